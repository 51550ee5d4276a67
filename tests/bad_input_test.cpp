// What every public operation does with input outside its contract: digits
// not below the radix, HOSSZ 256, radix fields of 0 or mismatched, records
// shared against the rules, empty and over-long literals, zero denominators,
// and the flag left raised. Each row either returns with the result the README
// gives for it (checked in the row), or ends the process with run-time error
// 201 and its report; none may end by a signal. Rows that end the process run
// as death tests, their report moved to standard error to be matched.
#include <unistd.h>

#include <string>

#include "support.hpp"
#include "valos.hpp"

namespace {

using namespace aritunit;
using raciona5::TORT;
using test::make;
using test::value;

struct Row {
  const char* name;
  int status;  // 0: returns; otherwise the run-time error that ends the process
  void (*body)();
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

// A fraction from two radix-10 integers given by their digits.
TORT fraction(std::initializer_list<int> num, std::initializer_list<int> den, ELOJELTIPUS sign = POZ) {
  TORT t;
  raciona5::EGESZBOL_TORT(make(10, num, sign, 3), make(10, den, POZ, 4), t);
  return t;
}

// R^256 - 1 in `radix`: HOSSZ 255, every digit R - 1.
EGESZSZAM all_top_digits(int radix) {
  EGESZSZAM x = make(radix, {radix - 1});
  for (int i = 0; i <= 255; ++i) x.JEGY[i] = radix - 1;
  x.HOSSZ = 255;
  return x;
}

// R^256 in `radix`: HOSSZ 256 (a value no operation makes).
EGESZSZAM hossz_256(int radix) {
  EGESZSZAM x = make(radix, {0});
  x.HOSSZ = 256;
  x.JEGY[256] = 1;
  return x;
}

const Row kRows[] = {
    // Digits not below the radix: a digit loop that forms a digit outside the
    // radix stops the program; a product's digits are formed modulo the radix.
    {"AddDigitAboveRadix", 201,
     +[] {
       EGESZSZAM a = make(10, {12}), b = make(10, {9}), s{};
       OSSZEAD(a, b, s);
     }},
    {"SubtractDigitAboveRadix", 201,
     +[] {
       EGESZSZAM a = make(10, {15}), b = make(10, {0}), d{};
       KIVON(a, b, d);
     }},
    {"MultiplyDigitAboveRadixKeepsDigitsBelowIt", 0,
     +[] {
       EGESZSZAM a = make(10, {200}), b = make(10, {201}), p = test::junk_record(10, 7);
       SZOROZ(a, b, p);
       for (int i = 0; i <= 256; ++i) ASSERT_LT(p.JEGY[i], 10) << "position " << i;
     }},
    {"DivideADigitAboveRadix", 201,
     +[] {
       EGESZSZAM a = make(10, {90}), b = make(10, {1}), q{}, r{};
       OSZT(a, b, q, r);
     }},
    {"DivideByADigitAboveRadixKeepsDigitsBelowIt", 0,
     +[] {
       EGESZSZAM a = make(10, {9, 9}), b = make(10, {40}), q = test::junk_record(10, 7), r = q;
       OSZT(a, b, q, r);
       for (int i = 0; i <= 256; ++i) {
         ASSERT_LT(q.JEGY[i], 10) << "quotient position " << i;
         ASSERT_LT(r.JEGY[i], 10) << "remainder position " << i;
       }
     }},
    {"DivideByADivisorWithALeadingZero", 201,
     +[] {
       EGESZSZAM a = make(10, {9, 9, 9}), b = make(10, {0, 7}), q{}, r{};
       OSZT(a, b, q, r);
     }},

    // HOSSZ 256: sums and differences have no position left for it; products
    // and quotients that need position 256 raise the flag.
    {"AddHossz256", 201,
     +[] {
       EGESZSZAM a = hossz_256(10), b = make(10, {1}), s{};
       OSSZEAD(a, b, s);
     }},
    {"SubtractHossz256", 201,
     +[] {
       EGESZSZAM a = hossz_256(10), b = make(10, {1}), d{};
       KIVON(b, a, d);
     }},
    {"MultiplyHossz256RaisesTheFlag", 0,
     +[] {
       EGESZSZAM a = hossz_256(16), b = make(16, {1}), p = test::junk_record(16, 5);
       SZOROZ(a, b, p);
       EXPECT_TRUE(TULCSORDULT);
       EXPECT_TRUE(test::holds(p, 0));  // R^256 keeps its lowest 256 digits
     }},
    {"DivideHossz256WithAQuotientTooLongRaisesTheFlag", 0,
     +[] {
       EGESZSZAM a = hossz_256(10), b = make(10, {1}), q{}, r{};
       OSZT(a, b, q, r);
       EXPECT_TRUE(TULCSORDULT);
       EXPECT_TRUE(test::holds(q, 0));
       EXPECT_TRUE(test::holds(r, 0));
     }},
    {"DivideHossz256WithAQuotientThatFits", 0,
     +[] {
       EGESZSZAM a = hossz_256(10), b = make(10, {2, 0}), q{}, r{};  // 10^256 / 20
       OSZT(a, b, q, r);
       EXPECT_FALSE(TULCSORDULT);
       EXPECT_TRUE(test::holds(q, test::power(10, 255) / 2));
       EXPECT_TRUE(test::holds(r, 0));
     }},
    {"CompareAndZeroTestReadHossz256InFull", 0,
     +[] {
       EGESZSZAM big = hossz_256(10), zero = make(10, {0});
       EXPECT_TRUE(NAGYOBB(big, all_top_digits(10)));
       EXPECT_FALSE(NULLA_E(big));
       zero.HOSSZ = 256;
       EXPECT_TRUE(NULLA_E(zero));
       EXPECT_TRUE(raciona5::EGYENLO(big, hossz_256(10)));
       EGESZSZAM other = hossz_256(10);
       other.JEGY[256] = 2;
       EXPECT_FALSE(raciona5::EGYENLO(big, other));
     }},

    // Radix fields: 0 in a first operand (a record never given a value) is a
    // range error when it becomes the working radix; anywhere else, and any
    // other mismatch, is the message, and the work goes on in the first
    // operand's radix.
    {"AddFirstRadixZero", 201,
     +[] {
       EGESZSZAM a{}, b = make(10, {1}), s{};
       OSSZEAD(a, b, s);
     }},
    {"MultiplyFirstRadixZero", 201,
     +[] {
       EGESZSZAM a{}, b = make(10, {1}), p{};
       SZOROZ(a, b, p);
     }},
    {"DivideFirstRadixZero", 201,
     +[] {
       EGESZSZAM a{}, b = make(10, {1}), q{}, r{};
       OSZT(a, b, q, r);
     }},
    {"AddSecondRadixZeroWritesTheMessage", 0,
     +[] {
       EGESZSZAM a = make(10, {4, 2}), b{}, s = test::junk_record(7, 1);
       std::string out = test::console_output([&] { OSSZEAD(a, b, s); });
       EXPECT_EQ(out, "Kulonbozo szamrendszerek: 10  0\r\n");
       EXPECT_EQ(s.SZAMRENDSZER, 7);  // left as it was
       s.SZAMRENDSZER = 10;           // the digits are radix 10's
       EXPECT_TRUE(test::holds(s, 42));
     }},
    {"MismatchedRadicesWriteTheMessageOncePerOperation", 0,
     +[] {
       EGESZSZAM a = make(10, {1, 2}), b = make(16, {3}), p = test::junk_record(2, 1), q{}, r{};
       std::string out = test::console_output([&] {
         SZOROZ(a, b, p);
         OSZT(a, b, q, r);
       });
       EXPECT_EQ(out, "Kulonbozo szamrendszerek: 10 16\r\nKulonbozo szamrendszerek: 10 16\r\n");
       EXPECT_EQ(p.SZAMRENDSZER, 2);
       p.SZAMRENDSZER = 10;
       EXPECT_TRUE(test::holds(p, 36));
       EXPECT_EQ(q.SZAMRENDSZER, 10);
       EXPECT_TRUE(test::holds(q, 4));
     }},
    {"FractionsOfMismatchedRadicesReportAndReturn", 0,
     +[] {
       TORT a = fraction({1}, {2}), b = fraction({1}, {3}), s = fraction({9}, {9});
       b.SZAMLALO.SZAMRENDSZER = 16;
       b.NEVEZO.SZAMRENDSZER = 16;
       std::string out = test::console_output([&] { raciona5::TORTOSSZEAD(a, b, s); });
       EXPECT_NE(out.find("Kulonbozo szamrendszerek: 10 16\r\n"), std::string::npos) << out;
       EXPECT_FALSE(TULCSORDULT);
     }},

    // Records shared against the rules are worked through copies.
    {"MultiplyIntoAFactor", 0,
     +[] {
       EGESZSZAM x = make(10, {1, 2, 3});
       SZOROZ(x, x, x);
       EXPECT_TRUE(test::holds(x, 123 * 123));
     }},
    {"DivideWithTheQuotientInTheDividendAndTheRemainderInTheDivisor", 0,
     +[] {
       EGESZSZAM a = make(10, {1, 2, 3, 4, 5}), b = make(10, {6, 7});
       OSZT(a, b, a, b);
       EXPECT_TRUE(test::holds(a, 184));
       EXPECT_TRUE(test::holds(b, 17));
     }},
    {"DivideWithQuotientAndRemainderInOneRecord", 0,
     +[] {
       EGESZSZAM a = make(10, {4, 7}), b = make(10, {5}), r{};
       OSZT(a, b, r, r);
       EXPECT_TRUE(test::holds(r, 9));  // the quotient wins
     }},
    // Literals: empty, and longer than 255 characters.
    {"EmptyLiteral", 201,
     +[] {
       EGESZSZAM x{};
       valos::KONV_STRINGEGESZ(x, "");
     }},
    {"LiteralOf256Characters", 201,
     +[] {
       EGESZSZAM x{};
       valos::KONV_STRINGEGESZ(x, std::string(256, '7'));
     }},
    {"LiteralOf1000Characters", 201,
     +[] {
       EGESZSZAM x{};
       valos::KONV_STRINGEGESZ(x, std::string(1000, '7'));
     }},
    {"LiteralOf255CharactersIsTheLongest", 0,
     +[] {
       EGESZSZAM x{};
       valos::KONV_STRINGEGESZ(x, std::string(255, '7'));
       EXPECT_EQ(x.HOSSZ, 254);
     }},

    // Zero denominators: the sum raises the flag and leaves its record alone.
    {"SumWithOneZeroDenominator", 0,
     +[] {
       TORT a = fraction({1}, {0}), b = fraction({1}, {2}), s = fraction({9}, {8});
       const TORT before = s;
       raciona5::TORTOSSZEAD(a, b, s);
       EXPECT_TRUE(TULCSORDULT);
       EXPECT_EQ(value(s.SZAMLALO), 9);
       EXPECT_EQ(value(s.NEVEZO), 8);
       EXPECT_EQ(s.SZAMLALO.JEGY, before.SZAMLALO.JEGY);
     }},
    {"SumOfZeroFilledFractions", 0,
     +[] {
       TORT a{}, s = fraction({9}, {8});
       raciona5::TORTOSSZEAD(a, a, s);
       EXPECT_TRUE(TULCSORDULT);
       EXPECT_EQ(value(s.SZAMLALO), 9);
     }},
    {"GcdOfTwoZeros", 0,
     +[] {
       EGESZSZAM z = make(10, {0}), g{}, a1{}, b1{};
       raciona5::LNKO(z, z, g, a1, b1);
       EXPECT_TRUE(TULCSORDULT);
       EXPECT_TRUE(test::holds(g, 0));
       EXPECT_TRUE(test::holds(a1, 0));
       EXPECT_TRUE(test::holds(b1, 0));
     }},
    {"SumWhoseCutLeavesNoDenominatorDigit", 0,
     +[] {
       // (R^256 - 1)/1 + (R^256 - 1)/1 needs 257 digits; dropping one leaves
       // the denominator 1 no digit.
       TORT a, s = fraction({9}, {8});
       raciona5::EGESZBOL_TORT(all_top_digits(10), EGY, a);
       raciona5::TORTOSSZEAD(a, a, s);
       EXPECT_TRUE(TULCSORDULT);
       EXPECT_EQ(value(s.SZAMLALO), 9);
     }},

    {"GcdIntoItsOwnOperands", 0,
     +[] {
       // The results are written while the operands are still to be read.
       EGESZSZAM a = make(10, {1, 2}), b = make(10, {1, 8}), a1{};
       raciona5::LNKO(a, b, a, a1, b);  // OSZTO is A, B1 is B
       EXPECT_TRUE(test::holds(a, 6));
       EXPECT_TRUE(test::holds(a1, 2));
       EXPECT_TRUE(test::holds(b, 3));
     }},

    // The flag left raised: no digit work, and no sum.
    {"FlagRaisedOnEntry", 0,
     +[] {
       EGESZSZAM a = make(10, {5}), b = make(10, {7}), p = test::junk_record(10, 3),
                 q = test::junk_record(10, 2), r = test::junk_record(10, 1);
       const EGESZSZAM p0 = p, r0 = r;
       TULCSORDULT = true;
       SZOROZ(a, b, p);
       OSZT(a, b, q, r);
       EXPECT_EQ(p.JEGY, p0.JEGY);
       EXPECT_EQ(p.HOSSZ, p0.HOSSZ);
       EXPECT_EQ(q.JEGY, NULLA.JEGY);
       EXPECT_EQ(q.SZAMRENDSZER, 10);
       EXPECT_EQ(r.JEGY, r0.JEGY);
       EGESZSZAM g = test::junk_record(10, 6), a1 = g, b1 = g;
       raciona5::LNKO(a, b, g, a1, b1);  // left as they are
       EXPECT_EQ(g.JEGY, test::junk_record(10, 6).JEGY);
       EXPECT_EQ(b1.JEGY, test::junk_record(10, 6).JEGY);
       TORT s = fraction({9}, {8});
       raciona5::TORTOSSZEAD(raciona5::FEL, raciona5::FEL, s);
       EXPECT_EQ(value(s.SZAMLALO), 9);
       EXPECT_EQ(value(s.NEVEZO), 8);
       EXPECT_TRUE(TULCSORDULT);
     }},

    // Printing reads at most up to position 256.
    {"PrintingTheWholeFraction", 0,
     +[] {
       raciona5::VALOSSZAM v{};
       v.TORT.HOSSZ = 256;
       for (int i = 0; i <= 256; ++i) v.TORT.JEGY[i] = 1;
       std::string out = test::console_output([&] { valos::KIIR(v, 1000); });
       EXPECT_EQ(out, "0." + std::string(257, '1') + "\r\n");
     }},
};

class BadInput : public test::Modules, public ::testing::WithParamInterface<Row> {};

TEST_P(BadInput, GetsTheDocumentedOutcome) {
  const Row& row = GetParam();
  if (row.status == 0) {
    row.body();
    return;
  }
  EXPECT_EXIT(
      {
        ::dup2(STDERR_FILENO, STDOUT_FILENO);  // the report, where the death test reads
        row.body();
      },
      ::testing::ExitedWithCode(row.status),
      "Runtime error " + std::to_string(row.status) + " at \\$[0-9A-F]{8}\n(  \\$[0-9A-F]{8}\n)+\n");
}

INSTANTIATE_TEST_SUITE_P(Operations, BadInput, ::testing::ValuesIn(kRows),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

}  // namespace
