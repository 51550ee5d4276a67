// Addition and subtraction: the digit loops, the magnitude comparison, and the
// signed operations on top of them (signs, lengths, positions written, the
// flag, the counters, the radix line, and records shared between operands and
// the result).
#include <string>
#include <vector>

#include "aritunit_private.hpp"
#include "support.hpp"

namespace {

using namespace aritunit;
using test::holds;
using test::make;

class AddSub : public test::Modules {};

// Digits least significant first; every other position holds `junk`.
POZSZAM digits(const std::vector<int>& lsb_first, int junk) {
  POZSZAM p;
  for (int i = 0; i <= 256; ++i) p[i] = i < static_cast<int>(lsb_first.size()) ? lsb_first[i] : junk;
  return p;
}

// A radix-10 integer from its decimal text; "-0" is a NEG zero. Positions
// above HOSSZ hold junk.
EGESZSZAM dec(const std::string& text) {
  EGESZSZAM x = test::from_mpz(mpz_class(text), 10);
  if (text[0] == '-') x.ELOJEL = NEG;
  for (int i = x.HOSSZ + 1; i <= 256; ++i) x.JEGY[i] = 7;
  return x;
}

// Each row says z = x + y over positions 0..h + 1 (z has h + 2 digits, x and
// y have h + 1); the subtraction runs the same row backwards: z - y = x.
struct DigitRow {
  int radix, h;
  std::vector<int> x, y, z;
};

TEST_F(AddSub, DigitLoopsAddAndSubtractTheRowsOfOneTable) {
  const DigitRow rows[] = {
      {10, 0, {5}, {5}, {0, 1}},
      {256, 0, {255}, {255}, {254, 1}},
      {2, 1, {1, 1}, {1, 1}, {0, 1, 1}},
      {10, 1, {0, 1}, {1, 0}, {1, 1, 0}},
      {3, 3, {2, 2, 2, 2}, {1, 0, 0, 0}, {0, 0, 0, 0, 1}},
      {255, 1, {254, 0}, {1, 254}, {0, 0, 1}},
      {16, 2, {15, 0, 15}, {1, 15, 0}, {0, 0, 0, 1}},
      {256, 2, {128, 127, 200}, {128, 128, 55}, {0, 0, 0, 1}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("radix " + std::to_string(r.radix) + ", h " + std::to_string(r.h));
    SZAMRENDSZER = r.radix;
    const int junk = r.radix - 1;
    POZSZAM x = digits(r.x, junk), y = digits(r.y, junk), z = digits(r.z, junk);

    POZSZAM sum = digits({}, junk);
    OSSZEADAS(x, y, sum, r.h);
    EXPECT_EQ(sum, z);  // positions 0..h+1 written, the rest still junk

    // Backwards, one position longer: the subtrahend needs a zero at h + 1.
    POZSZAM y0 = y;
    y0[r.h + 1] = 0;
    POZSZAM difference = digits({}, junk);
    KIVONAS(z, y0, difference, r.h + 1);
    std::vector<int> x0 = r.x;
    x0.push_back(0);
    EXPECT_EQ(difference, digits(x0, junk));
  }
  // A smaller minuend: the borrow out of the top is dropped (the radix complement).
  SZAMRENDSZER = 10;
  POZSZAM d = digits({}, 4);
  KIVONAS(digits({1}, 4), digits({2}, 4), d, 0);
  EXPECT_EQ(d, digits({9}, 4));
  EXPECT_FALSE(TULCSORDULT);
}

TEST_F(AddSub, CarryOutOfPosition255RaisesTheFlagAndOutOf200DoesNot) {
  for (int radix : {2, 10, 256}) {
    SCOPED_TRACE("radix " + std::to_string(radix));
    const int top = radix - 1;
    const int junk = radix / 2;
    SZAMRENDSZER = radix;
    TULCSORDULT = false;
    auto all_top_to = [&](int h) {
      std::vector<int> v(h + 1, top);
      return digits(v, 0);
    };
    POZSZAM one = digits({1}, 0);

    // Carry out of 200 lands in 201: no overflow, 202 and up untouched.
    POZSZAM s = digits({}, junk);
    OSSZEADAS(all_top_to(200), one, s, 200);
    EXPECT_FALSE(TULCSORDULT);
    std::vector<int> expect(202, 0);
    expect[201] = 1;
    EXPECT_EQ(s, digits(expect, junk));

    // No carry out of 255: position 256 is written with 0.
    POZSZAM a = all_top_to(254);
    s = digits({}, junk);
    OSSZEADAS(a, one, s, 255);
    EXPECT_FALSE(TULCSORDULT);
    expect.assign(257, 0);
    expect[255] = 1;
    EXPECT_EQ(s, digits(expect, junk));

    // Carry out of 255: the flag, positions 0..255 zero, 256 keeps its junk.
    s = digits({}, junk);
    OSSZEADAS(all_top_to(255), one, s, 255);
    EXPECT_TRUE(TULCSORDULT);
    EXPECT_EQ(s, digits(std::vector<int>(256, 0), junk));

    // The same through the signed sum: R^256 - 1 + 1 keeps the lowest 256
    // digits (all zero), HOSSZ found from 255 down.
    TULCSORDULT = false;
    EGESZSZAM big = test::from_mpz(test::power(radix, 256) - 1, radix);
    EGESZSZAM unit = test::from_mpz(1, radix);
    EGESZSZAM r = test::junk_record(radix, junk);
    OSSZEAD(big, unit, r);
    EXPECT_TRUE(TULCSORDULT);
    EXPECT_TRUE(holds(r, 0));
    EXPECT_EQ(r.JEGY[256], junk);
    EXPECT_EQ(PLUSZ, 0);
  }
}

TEST_F(AddSub, DigitLoopsLeaveTheirResultWhileTheFlagIsRaised) {
  SZAMRENDSZER = 10;
  TULCSORDULT = true;
  POZSZAM s = digits({3, 1, 4, 1, 5}, 9);
  const POZSZAM before = s;
  OSSZEADAS(digits({5}, 5), digits({5}, 5), s, 3);
  KIVONAS(digits({5}, 0), digits({4}, 0), s, 3);
  EXPECT_EQ(s, before);
  EXPECT_TRUE(TULCSORDULT);
}

// An operand digit far outside the radix would make a digit that cannot be
// stored: the loops end the program with the range error instead.
TEST_F(AddSub, ResultDigitOutsideTheRadixIsARangeError) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  SZAMRENDSZER = 10;
  POZSZAM bad = digits({200}, 0), five = digits({5}, 0), r;
  EXPECT_EXIT(OSSZEADAS(bad, five, r, 0), ::testing::ExitedWithCode(201), "");
  EXPECT_EXIT(KIVONAS(five, bad, r, 0), ::testing::ExitedWithCode(201), "");
}

TEST_F(AddSub, MagnitudeComparisonIsAtLeastAndIgnoresSigns) {
  struct Case {
    EGESZSZAM a, b;
    bool at_least;
  } cases[] = {
      {dec("5"), dec("5"), true},
      {dec("0"), dec("0"), true},
      {dec("-7"), dec("5"), true},
      {dec("5"), dec("-7"), false},
      {dec("99"), dec("100"), false},
      {dec("100"), dec("99"), true},
      {dec("120"), dec("121"), false},
      {dec("7"), NULLA, true},
      {NULLA, dec("-0"), true},
      {make(10, {0, 7}), dec("9"), true},  // a leading zero: HOSSZ decides
      {make(256, {255, 0, 1}), make(256, {255, 0, 0}), true},
      {make(256, {254, 255, 255}), make(256, {255, 0, 0}), false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NAGYOBB(c.a, c.b), c.at_least) << test::value(c.a) << " vs " << test::value(c.b);
}

// Signed sums and differences in radix 10, with the result record and the
// operands' unused positions full of junk.
struct SignedRow {
  char op;
  const char *a, *b, *result;
  int plusz;
};

TEST_F(AddSub, SignedSumsAndDifferences) {
  const SignedRow rows[] = {
      {'+', "7", "5", "12", 1},         {'+', "999", "1", "1000", 3},
      {'+', "5", "-7", "-2", 0},        {'+', "-5", "7", "2", 0},
      {'+', "-5", "-7", "-12", 1},      {'-', "5", "7", "-2", 0},
      {'-', "-5", "7", "-12", 1},       {'-', "5", "-7", "12", 1},
      {'-', "-5", "-7", "2", 0},        {'-', "5", "5", "0", 0},
      {'-', "-5", "-5", "0", 0},        {'+', "5", "-5", "0", 0},
      {'+', "-5", "5", "0", 0},         {'-', "100", "1", "99", 2},
      {'-', "1", "100", "-99", 2},      {'+', "-123456", "123455", "-1", 5},
      {'+', "-0", "-0", "-0", 0},       {'-', "-0", "0", "-0", 0},
      {'-', "0", "-0", "0", 0},         {'-', "-0", "-0", "0", 0},
      {'+', "0", "-0", "0", 0},         {'+', "40", "-0", "40", 1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.a) + " " + r.op + " " + r.b);
    EGESZSZAM a = dec(r.a), b = dec(r.b);
    const EGESZSZAM a0 = a, b0 = b;
    EGESZSZAM result = test::junk_record(10, 3);
    result.SZAMRENDSZER = 16;
    const EGESZSZAM before = result;
    PLUSZ = 99;
    SZOR = 99;
    if (r.op == '+') {
      OSSZEAD(a, b, result);
    } else {
      KIVON(a, b, result);
    }
    bool adds_magnitudes = (r.op == '+') == (a0.ELOJEL == b0.ELOJEL);
    EXPECT_TRUE(holds(result, mpz_class(r.result), r.result[0] == '-' ? NEG : POZ));
    EXPECT_EQ(result.SZAMRENDSZER, 10);
    EXPECT_EQ(PLUSZ, r.plusz);
    EXPECT_EQ(SZOR, 0);
    int h = MAX(a0.HOSSZ, b0.HOSSZ);
    EXPECT_TRUE(test::kept_from(result, before, h + (adds_magnitudes ? 2 : 1)));
    // Operands keep their values; the shorter one gains zeros up to the
    // longer one's HOSSZ and keeps its junk above.
    for (const auto* o : {&a, &b}) {
      const EGESZSZAM& o0 = o == &a ? a0 : b0;
      EXPECT_TRUE(holds(*o, test::value(o0), o0.ELOJEL));
      EXPECT_EQ(o->HOSSZ, o0.HOSSZ);
      for (int i = o0.HOSSZ + 1; i <= h; ++i) EXPECT_EQ(o->JEGY[i], 0) << "operand position " << i;
      EXPECT_TRUE(test::kept_from(*o, o0, h + 1));
    }
    EXPECT_FALSE(TULCSORDULT);
  }
}

TEST_F(AddSub, WhileTheFlagIsRaisedOnlySignLengthRadixAndCountersChange) {
  for (char op : {'+', '-'}) {
    SCOPED_TRACE(op);
    TULCSORDULT = true;
    EGESZSZAM a = dec("4"), b = dec("123");
    EGESZSZAM result = test::junk_record(16, 5);  // every digit 5
    const EGESZSZAM before = result;
    if (op == '+') {
      OSSZEAD(a, b, result);
    } else {
      KIVON(a, b, result);  // |4| < |123|: the magnitudes are swapped, NEG
    }
    EXPECT_TRUE(TULCSORDULT);
    EXPECT_EQ(result.JEGY, before.JEGY);
    EXPECT_EQ(result.SZAMRENDSZER, 10);
    EXPECT_EQ(SZAMRENDSZER, 10);
    // HOSSZ found over the old digits from H + 1 (sum) or the larger HOSSZ.
    EXPECT_EQ(result.HOSSZ, op == '+' ? 3 : 2);
    EXPECT_EQ(result.ELOJEL, op == '+' ? POZ : NEG);
    EXPECT_EQ(PLUSZ, op == '+' ? 3 : 2);
    EXPECT_EQ(a.JEGY[1], 0);  // the shorter operand still gets its zeros
    EXPECT_EQ(a.JEGY[2], 0);
  }
}

TEST_F(AddSub, RadixMismatchWritesTheLineAndKeepsTheResultsRadixField) {
  struct Case {
    char op;
    int radix_a, radix_b;
    const char* line;
    const char* result;  // formed in the first operand's radix
  } cases[] = {
      {'+', 10, 16, "Kulonbozo szamrendszerek: 10 16\r\n", "18"},
      {'-', 10, 16, "Kulonbozo szamrendszerek: 10 16\r\n", "0"},
      {'+', 16, 10, "Kulonbozo szamrendszerek: 16 10\r\n", "18"},  // 9 + 9 in radix 16 is 0x12
      {'-', 2, 256, "Kulonbozo szamrendszerek:  2256\r\n", "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    int d = c.radix_a == 2 || c.radix_b == 2 ? 1 : 9;
    EGESZSZAM a = make(c.radix_a, {d}), b = make(c.radix_b, {d});
    EGESZSZAM result = test::junk_record(7, 0);
    std::string out = test::console_output([&] {
      if (c.op == '+') {
        OSSZEAD(a, b, result);
      } else {
        KIVON(a, b, result);
      }
    });
    EXPECT_EQ(out, c.line);
    EXPECT_EQ(result.SZAMRENDSZER, 7);
    EXPECT_EQ(SZAMRENDSZER, c.radix_a);
    result.SZAMRENDSZER = c.radix_a;
    EXPECT_TRUE(holds(result, mpz_class(c.result)));
  }
}

// Every way of sharing records that the operations accept gives what separate
// records give: result = A, result = B, A = B, and all three one record.
TEST_F(AddSub, SharedRecordsGiveTheSameResults) {
  test::Random rnd;
  SCOPED_TRACE("LONGARITH_SEED=" + std::to_string(rnd.seed()));
  enum Sharing { separate, result_is_a, result_is_b, a_is_b, all_one };
  for (int radix : {2, 10, 256}) {
    for (int round = 0; round < 40; ++round) {
      for (char op : {'+', '-'}) {
        for (Sharing sharing : {separate, result_is_a, result_is_b, a_is_b, all_one}) {
          EGESZSZAM x = rnd.integer(radix, rnd.uniform(0, 1) ? rnd.uniform(0, 3) : rnd.uniform(0, 254));
          EGESZSZAM y = rnd.integer(radix, rnd.uniform(0, 1) ? rnd.uniform(0, 3) : rnd.uniform(0, 254));
          EGESZSZAM r = test::junk_record(radix, radix - 1);
          EGESZSZAM *a = &x, *b = &y, *res = &r;
          if (sharing == result_is_a) res = &x;
          if (sharing == result_is_b) res = &y;
          if (sharing == a_is_b) b = &x;
          if (sharing == all_one) b = res = &x;
          const EGESZSZAM a0 = *a, b0 = *b;
          auto fn = op == '+' ? OSSZEAD : KIVON;
          fn(*a, *b, *res);
          mpz_class expect = test::value(a0);
          if (op == '+') expect += test::value(b0); else expect -= test::value(b0);
          bool adds_magnitudes = (op == '+') == (a0.ELOJEL == b0.ELOJEL);
          ASSERT_TRUE(holds(*res, expect, adds_magnitudes ? a0.ELOJEL : POZ))
              << "radix " << radix << " op " << op << " sharing " << sharing << ": "
              << test::value(a0) << ", " << test::value(b0);
          ASSERT_FALSE(TULCSORDULT);
        }
      }
    }
  }
}

}  // namespace
