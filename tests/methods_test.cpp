// The square root of 2 computed on the library: the conversion of a fraction
// to a decimal real number, the steps, counts and digits of both methods,
// Newton's method carried past the point where its fractions are cut, and the
// second program's whole run.
#include "driver_flow.hpp"
#include "gyok2.hpp"
#include "support.hpp"
#include "valos.hpp"

namespace {

using namespace aritunit;
using raciona5::TORT;
using raciona5::VALOSSZAM;

// The first n digits after the point of the square root of 2.
std::string sqrt2_digits(int n) {
  mpz_class root;
  mpz_class square = 2 * test::power(10, 2u * static_cast<unsigned>(n));
  mpz_sqrt(root.get_mpz_t(), square.get_mpz_t());
  return root.get_str().substr(1);
}

// p/q as a radix-10 fraction in normal form.
TORT fraction(const mpz_class& p, const mpz_class& q) {
  return TORT{test::from_mpz(p, 10), test::from_mpz(q, 10)};
}

// A VALOSSZAM whose every digit and length is junk, so that a conversion that
// forgets to write something shows it.
VALOSSZAM junk() {
  VALOSSZAM v{};
  for (EGESZSZAM* field : {&v.EGESZ, &v.TORT}) {
    field->ELOJEL = NEG;
    field->SZAMRENDSZER = 16;
    field->HOSSZ = 200;
    for (int p = 0; p <= 256; ++p) field->JEGY[p] = 7;
  }
  return v;
}

std::string kiir(const VALOSSZAM& v) {
  return test::console_output([&] { valos::KIIR(v, gyok2::KIIRHOSSZ); });
}

// The screen line KIIR writes for the square root of 2.
std::string sqrt2_line() { return "1." + sqrt2_digits(73) + "\r\n"; }

class Methods : public test::Modules {
 protected:
  void SetUp() override {
    Modules::SetUp();
    valos::KONSTANSLETREHOZAS();
  }
};

// --- Conversion of a fraction to VALOSSZAM ----------------------------------

// Checks TORTBOL_VALOS(p/q, hossz) against long division in GMP.
void expect_conversion(const mpz_class& p, const mpz_class& q, int hossz) {
  SCOPED_TRACE(p.get_str() + " / " + q.get_str() + ", HOSSZ " + std::to_string(hossz));
  VALOSSZAM v = junk();
  gyok2::TORTBOL_VALOS(fraction(p, q), hossz, v);

  ELOJELTIPUS sign = p < 0 ? NEG : POZ;
  mpz_class whole = abs(p) / q, rest = abs(p) % q;
  EXPECT_EQ(test::value(v.EGESZ), sign == NEG ? mpz_class(-whole) : whole);
  EXPECT_EQ(v.EGESZ.ELOJEL, sign);
  EXPECT_EQ(int{v.EGESZ.SZAMRENDSZER}, 10);
  EXPECT_TRUE(v.EGESZ.HOSSZ == 0 || v.EGESZ.JEGY[v.EGESZ.HOSSZ] != 0) << "integer part not in normal form";

  EXPECT_EQ(int{v.TORT.HOSSZ}, hossz);
  EXPECT_EQ(v.TORT.ELOJEL, sign);
  std::string expected, got;
  for (int k = 0; k <= hossz; ++k) {
    rest *= 10;
    expected += static_cast<char>('0' + mpz_class(rest / q).get_si());
    rest %= q;
    got += static_cast<char>('0' + v.TORT.JEGY[k]);
  }
  EXPECT_EQ(got, expected);
  for (int k = hossz + 1; k <= 256; ++k) ASSERT_EQ(v.TORT.JEGY[k], 0) << "position " << k;
  EXPECT_FALSE(TULCSORDULT);
}

TEST_F(Methods, ConversionGivesTheExactDecimalDigits) {
  struct Row {
    const char* p;
    const char* q;
    int hossz;
  };
  const Row rows[] = {
      {"1", "7", 72},      {"22", "7", 72},      {"577", "408", 72},  // repeating and the Pell value
      {"-22", "7", 20},    {"-1", "7", 5},                            // the sign goes to both fields
      {"0", "5", 72},      {"4", "2", 72},       {"1", "8", 72},      // no digits, ending digits
      {"123456789", "10", 0},                                         // a long integer part, one digit
      {"1", "97", 255},    {"665857", "470832", 255},                 // well past the printed 73 digits
  };
  for (const Row& r : rows) expect_conversion(mpz_class(r.p), mpz_class(r.q), r.hossz);

  // Long operands: denominators of 255 digits, the longest whose remainders
  // times ten always fit, numerators below and above them.
  test::Random random;
  SCOPED_TRACE("seed " + std::to_string(random.seed()));
  for (int n = 0; n < 6; ++n) {
    mpz_class q = test::value(random.integer(10, 254, false));
    mpz_class p = test::value(random.integer(10, random.uniform(0, 254), n % 2 == 1));
    expect_conversion(p, q, 255);
  }
}

TEST_F(Methods, ConversionPrintsThroughKiir) {
  VALOSSZAM v = junk();
  gyok2::TORTBOL_VALOS(fraction(22, 7), gyok2::KIIRHOSSZ, v);
  std::string digits;
  for (int k = 0; k < 73; ++k) digits += "142857"[k % 6];
  EXPECT_EQ(kiir(v), "3." + digits + "\r\n");

  gyok2::TORTBOL_VALOS(fraction(4, 2), gyok2::KIIRHOSSZ, v);
  EXPECT_EQ(kiir(v), "2\r\n");  // all digits zero: no point
}

TEST_F(Methods, ConversionRaisesTheFlagWhenARemainderTimesTenOutgrows256Digits) {
  // A denominator of 256 digits with a remainder of 10^255 or more.
  mpz_class q = test::power(10, 256) - 1;
  VALOSSZAM v = junk();
  gyok2::TORTBOL_VALOS(fraction(q - 1, q), gyok2::KIIRHOSSZ, v);
  EXPECT_TRUE(TULCSORDULT);
  EXPECT_TRUE(NULLA_E(v.EGESZ));
  EXPECT_TRUE(NULLA_E(v.TORT));
}

// --- Newton's method ----------------------------------------------------------

TEST_F(Methods, NewtonStepsFromOneAreTheExactIterates) {
  const int iterates[][2] = {{3, 2}, {17, 12}, {577, 408}, {665857, 470832}};
  TORT x = raciona5::EGYTORT;
  for (const auto& it : iterates) {
    gyok2::NEWTON_LEPES(x);
    EXPECT_EQ(test::value(x.SZAMLALO), it[0]);
    EXPECT_EQ(test::value(x.NEVEZO), it[1]);
  }
  EXPECT_FALSE(raciona5::KEREKITES);
}

TEST_F(Methods, NewtonCertifiesTheDigitsInSevenSteps) {
  VALOSSZAM v = junk();
  driver::ITERSZAM = -1;
  gyok2::GYOK2_NEWTON(v);
  EXPECT_EQ(int{driver::ITERSZAM}, 7);  // correct digits double: 1, 2, 5, 11, 24, 48, 97
  EXPECT_EQ(kiir(v), sqrt2_line());
  EXPECT_FALSE(TULCSORDULT);
  EXPECT_FALSE(raciona5::KEREKITES);
}

// From 1 the exact iterates p/q keep p^2 - 2q^2 = 1 and double their length;
// the 10th would need 385 digits, so from there on every sum is cut. The cut
// iterates must stay within reach of the library (flag clear, below 10^255)
// and keep converging: far more than the printed digits stay right.
TEST_F(Methods, NewtonStaysRightPastTheCut) {
  TORT x = raciona5::EGYTORT;
  for (int step = 1; step <= 13; ++step) {
    SCOPED_TRACE("step " + std::to_string(step));
    gyok2::NEWTON_LEPES(x);
    ASSERT_FALSE(TULCSORDULT);
    EXPECT_LE(int{x.SZAMLALO.HOSSZ}, 254);
    EXPECT_LE(int{x.NEVEZO.HOSSZ}, 254);
    mpz_class p = test::value(x.SZAMLALO), q = test::value(x.NEVEZO);
    mpz_class pell = p * p - 2 * q * q;
    if (step <= 9) {
      EXPECT_FALSE(raciona5::KEREKITES);
      EXPECT_EQ(pell, 1);
    } else {
      EXPECT_TRUE(raciona5::KEREKITES);
      EXPECT_LT(abs(pell) * test::power(10, 250), q * q);  // |p/q - root| below 10^-250
    }
  }
  VALOSSZAM v = junk();
  EXPECT_TRUE(gyok2::BIZTOS_E(x.SZAMLALO, x.NEVEZO, 200, v));
  std::string digits;
  for (int k = 0; k <= 200; ++k) digits += static_cast<char>('0' + v.TORT.JEGY[k]);
  EXPECT_EQ(digits, sqrt2_digits(201));
  EXPECT_EQ(kiir(v), sqrt2_line());
}

// --- The Pell equation ----------------------------------------------------------

TEST_F(Methods, PellStepsStayOnTheSolutions) {
  EGESZSZAM x = valos::HAROM, y = KETTO;
  const int first[][2] = {{17, 12}, {99, 70}, {577, 408}};
  for (const auto& s : first) {
    gyok2::PELL_LEPES(x, y);
    EXPECT_EQ(test::value(x), s[0]);
    EXPECT_EQ(test::value(y), s[1]);
  }
  mpz_class previous = test::value(y);
  for (int step = 4; step <= 48; ++step) {
    gyok2::PELL_LEPES(x, y);
    mpz_class a = test::value(x), b = test::value(y);
    ASSERT_EQ(a * a - 2 * b * b, 1) << "step " << step;
    ASSERT_GT(b, previous);
    previous = b;
  }
}

TEST_F(Methods, PellCertifiesTheDigitsIn48Steps) {
  VALOSSZAM v = junk();
  driver::ITERSZAM = -1;
  gyok2::GYOK2_PELL(v);
  EXPECT_EQ(int{driver::ITERSZAM}, 48);  // the gap 1/(xy) shrinks 34-fold, 1.53 digits, per step
  EXPECT_EQ(kiir(v), sqrt2_line());
  EXPECT_FALSE(TULCSORDULT);
}

// --- The second program ----------------------------------------------------------

TEST(MethodsProgram, PrintsBothRootsAndCountsAndEndsOnEndOfInput) {
  test::Process p = test::run(std::string(SQRT2_METHODS) + " < /dev/null");
  EXPECT_EQ(p.status, 0);
  EXPECT_EQ(p.output,
            "Gyök-2 közelítés Newton-módszerrel:\r\n"
            "\r\n" +
                sqrt2_line() +
                " Iterációszám:   7\r\n"
                "\r\n"
                "Gyök-2 közelítés Pell-egyenlettel:\r\n"
                "\r\n" +
                sqrt2_line() +
                " Iterációszám:  48\r\n"
                "\r\n");
}

}  // namespace
