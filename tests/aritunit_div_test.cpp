// Division with remainder: quotients truncated toward zero, remainders with
// the dividend's sign, the step counters, a zero divisor, the flag on entry,
// the radix line, what the result records keep, shared records, and dividends
// of HOSSZ 256.
#include <string>
#include <vector>

#include "aritunit_private.hpp"
#include "support.hpp"

namespace {

using namespace aritunit;
using test::holds;
using test::power;

class Division : public test::Modules {};

// A radix-10 integer from its decimal text; "-0" is a NEG zero. Positions
// above HOSSZ hold junk.
EGESZSZAM dec(const std::string& text, int radix = 10) {
  EGESZSZAM x = test::from_mpz(mpz_class(text), radix);
  if (text[0] == '-') x.ELOJEL = NEG;
  for (int i = x.HOSSZ + 1; i <= 256; ++i) x.JEGY[i] = 7 % radix;
  return x;
}

struct Row {
  const char *a, *b, *quotient, *remainder;
  int plusz, szor;
};

// Checks one division into junk-filled result records: values and signs, the
// counters, the quotient's zeros above its digits, and the remainder's
// positions (its digits, zeros up to A.HOSSZ + 1, A's junk above).
void check(const Row& r, int radix = 10) {
  SCOPED_TRACE(std::string(r.a) + " / " + r.b + " in radix " + std::to_string(radix));
  const EGESZSZAM a = dec(r.a, radix), b = dec(r.b, radix);
  EGESZSZAM q = test::junk_record(radix, 5), m = test::junk_record(radix, 3);
  q.SZAMRENDSZER = m.SZAMRENDSZER = radix == 10 ? 16 : 10;
  OSZT(a, b, q, m);
  EXPECT_FALSE(TULCSORDULT);
  EXPECT_TRUE(holds(q, mpz_class(r.quotient)));
  EXPECT_TRUE(holds(m, mpz_class(r.remainder), r.remainder[0] == '-' ? NEG : POZ));
  EXPECT_EQ(q.SZAMRENDSZER, radix);
  EXPECT_EQ(m.SZAMRENDSZER, radix);
  EXPECT_EQ(SZAMRENDSZER, radix);
  if (r.plusz >= 0) {
    EXPECT_EQ(PLUSZ, r.plusz);
    EXPECT_EQ(SZOR, r.szor);
  }
  for (int i = q.HOSSZ + 1; i <= 256; ++i) ASSERT_EQ(q.JEGY[i], 0) << "quotient position " << i;
  if (NAGYOBB(a, b)) {
    for (int i = m.HOSSZ + 1; i <= a.HOSSZ + 1; ++i) ASSERT_EQ(m.JEGY[i], 0) << "remainder position " << i;
    EXPECT_TRUE(test::kept_from(m, a, a.HOSSZ + 2));
  } else {
    EXPECT_EQ(m.JEGY, a.JEGY);  // a copy of the dividend
  }
}

TEST_F(Division, QuotientsRemaindersAndCountsInRadix10) {
  const Row rows[] = {
      {"47", "5", "9", "2", 10, 10},  // NORM 1; the first step finds the digit 0
      {"7", "2", "3", "1", 5, 14},    // NORM 3
      {"12345", "67", "184", "17", 38, 40},
      {"1000", "7", "142", "6", 20, 20},
      {"100", "10", "10", "0", 16, 34},
      {"5", "5", "1", "0", 5, 5},
      {"-7", "2", "-3", "-1", 5, 14},
      {"7", "-2", "-3", "1", 5, 14},
      {"-6", "2", "-3", "0", 5, 14},
      {"-6", "-2", "3", "0", 5, 14},
      {"4", "5", "0", "4", 0, 0},  // |A| < |B|: the remainder is a copy of A
      {"-4", "5", "0", "-4", 0, 0},
      {"0", "5", "0", "0", 0, 0},
      {"-0", "5", "0", "-0", 0, 0},  // the copy keeps A's sign
      {"99", "100", "0", "99", 0, 0},
      // The first window's top digit is 0 and the estimate 1 passes the
      // two-digit test; the comparison rejects it and the digit becomes 0.
      {"5080", "509", "9", "499", 27, 29},
  };
  for (const auto& r : rows) check(r);
  check({"4", "5", "0", "4", 0, 0}, 16);  // a zero quotient takes the radix too
}

TEST_F(Division, RemainderIntoTheDividendsRecord) {
  EGESZSZAM a = dec("-12345"), q = test::junk_record(10, 1);
  const EGESZSZAM a0 = a;
  OSZT(a, dec("67"), q, a);
  EXPECT_TRUE(holds(a, -17));
  EXPECT_TRUE(holds(q, -184));
  EXPECT_EQ(PLUSZ, 38);
  EXPECT_EQ(SZOR, 40);
  for (int i = 2; i <= 5; ++i) EXPECT_EQ(a.JEGY[i], 0);
  EXPECT_TRUE(test::kept_from(a, a0, 6));

  EGESZSZAM small = dec("4");
  OSZT(small, dec("5"), q, small);  // the copy of itself
  EXPECT_TRUE(holds(small, 4));
  EXPECT_TRUE(holds(q, 0));
}

TEST_F(Division, ZeroDivisorRaisesTheFlagAndLeavesTheRemainder) {
  for (const EGESZSZAM& zero : {dec("0", 16), dec("-0", 16), test::make(16, {0, 0, 0}, NEG)}) {
    TULCSORDULT = false;
    EGESZSZAM q = test::junk_record(16, 5), m = test::junk_record(10, 3);
    const EGESZSZAM m0 = m;
    PLUSZ = SZOR = 9;
    OSZT(dec("8", 16), zero, q, m);
    EXPECT_TRUE(TULCSORDULT);
    EXPECT_TRUE(holds(q, 0));
    EXPECT_EQ(q.SZAMRENDSZER, 16);
    EXPECT_EQ(m.JEGY, m0.JEGY);
    EXPECT_EQ(m.HOSSZ, m0.HOSSZ);
    EXPECT_EQ(m.ELOJEL, m0.ELOJEL);
    EXPECT_EQ(m.SZAMRENDSZER, 16);  // the one field that is set
    EXPECT_EQ(PLUSZ, 0);
    EXPECT_EQ(SZOR, 0);
  }
}

TEST_F(Division, WhileTheFlagIsRaisedOnlyTheQuotientBecomesZero) {
  EGESZSZAM q = test::junk_record(16, 5), m = test::junk_record(16, 3);
  const EGESZSZAM m0 = m;
  TULCSORDULT = true;
  PLUSZ = 4;
  SZOR = 6;
  SZAMRENDSZER = 3;
  OSZT(dec("12345", 16), dec("67", 16), q, m);
  EXPECT_EQ(q.JEGY, NULLA.JEGY);
  EXPECT_EQ(q.SZAMRENDSZER, 10);  // NULLA's
  EXPECT_TRUE(holds(q, 0));
  EXPECT_EQ(m.JEGY, m0.JEGY);
  EXPECT_EQ(m.SZAMRENDSZER, 16);
  EXPECT_EQ(m.HOSSZ, m0.HOSSZ);
  EXPECT_EQ(PLUSZ, 4);
  EXPECT_EQ(SZOR, 6);
  EXPECT_EQ(SZAMRENDSZER, 3);
  EXPECT_TRUE(TULCSORDULT);
}

TEST_F(Division, RadixMismatchWritesTheLineAndWorksInTheFirstRadix) {
  struct Case {
    const char *a, *b;
    int quotient, remainder, remainder_radix;
  } cases[] = {
      {"47", "5", 9, 2, 10},  // the remainder is built on A's record
      {"4", "5", 0, 4, 10},   // the remainder is a copy of A
      {"8", "0", 0, -1, 7},   // a zero divisor: the remainder keeps its own radix
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    TULCSORDULT = false;
    EGESZSZAM a = dec(c.a), b = dec(c.b, 16);
    EGESZSZAM q = test::junk_record(16, 5), m = test::junk_record(7, 3);
    std::string out = test::console_output([&] { OSZT(a, b, q, m); });
    EXPECT_EQ(out, "Kulonbozo szamrendszerek: 10 16\r\n");
    EXPECT_EQ(SZAMRENDSZER, 10);
    EXPECT_EQ(q.SZAMRENDSZER, 10);  // NULLA's
    EXPECT_TRUE(holds(q, c.quotient));
    EXPECT_EQ(m.SZAMRENDSZER, c.remainder_radix);
    if (c.remainder >= 0) {
      EXPECT_TRUE(holds(m, c.remainder));
    }
  }
}

// Every sharing of records: those the division accepts (A = B, MARADEK = A)
// and those worked through copies (HANYADOS = A or B, MARADEK = B, HANYADOS =
// MARADEK) give what separate records give; a quotient and remainder in one
// record leave the quotient.
TEST_F(Division, SharedRecordsGiveTheSameResults) {
  test::Random rnd;
  SCOPED_TRACE("LONGARITH_SEED=" + std::to_string(rnd.seed()));
  enum Sharing { a_is_b, remainder_is_a, quotient_is_a, quotient_is_b, remainder_is_b,
                 quotient_is_remainder, remainder_is_a_is_b, quotient_is_a_is_b };
  for (int radix : {2, 10, 256}) {
    for (int round = 0; round < 25; ++round) {
      for (Sharing sharing : {a_is_b, remainder_is_a, quotient_is_a, quotient_is_b, remainder_is_b,
                              quotient_is_remainder, remainder_is_a_is_b, quotient_is_a_is_b}) {
        int hb = rnd.uniform(0, 60);
        EGESZSZAM x = rnd.integer(radix, rnd.uniform(hb, 120)), y = rnd.integer(radix, hb);
        if (NULLA_E(y)) y.JEGY[0] = 1;
        EGESZSZAM q = test::junk_record(radix, 1), m = test::junk_record(radix, 0);
        const EGESZSZAM *a = &x, *b = &y;
        EGESZSZAM *hq = &q, *hm = &m;
        switch (sharing) {
          case a_is_b: b = &x; break;
          case remainder_is_a: hm = &x; break;
          case quotient_is_a: hq = &x; break;
          case quotient_is_b: hq = &y; break;
          case remainder_is_b: hm = &y; break;
          case quotient_is_remainder: hq = hm = &q; break;
          case remainder_is_a_is_b: b = hm = &x; break;
          case quotient_is_a_is_b: b = hq = &x; break;
        }
        // The reference: separate records, each result holding what it held.
        EGESZSZAM ra = *a, rb = *b, rq = *hq, rm = *hm;
        OSZT(ra, rb, rq, rm);
        const int plusz = PLUSZ, szor = SZOR;
        OSZT(*a, *b, *hq, *hm);
        ASSERT_FALSE(TULCSORDULT);
        EXPECT_EQ(PLUSZ, plusz);
        EXPECT_EQ(SZOR, szor);
        ASSERT_TRUE(holds(rq, test::value(ra) / test::value(rb))) << "radix " << radix;
        const EGESZSZAM& expect_m = hq == hm ? rq : rm;
        ASSERT_EQ(hm->JEGY, expect_m.JEGY) << "radix " << radix << " sharing " << sharing;
        ASSERT_EQ(hm->HOSSZ, expect_m.HOSSZ);
        ASSERT_EQ(hm->ELOJEL, expect_m.ELOJEL);
        ASSERT_EQ(hq->JEGY, rq.JEGY);
        ASSERT_EQ(hq->HOSSZ, rq.HOSSZ);
        ASSERT_EQ(hq->ELOJEL, rq.ELOJEL);
      }
    }
  }
}

// A dividend of HOSSZ 256 is divided exactly through the wider working
// remainder. A quotient of R^256 or more (only possible for a one-digit
// divisor) raises the flag and keeps its lowest 256 digits; the remainder is
// exact either way.
TEST_F(Division, DividendOfHossz256) {
  struct Case {
    int radix;
    mpz_class a, b;
  } cases[] = {
      {10, power(10, 256) + 12345, 67},
      {10, power(10, 257) - 1, power(10, 255) + 1},       // all nines over a divisor just above R^255
      {10, power(10, 257) - 1, power(10, 256) - 1},       // A's top digits above B: a quotient of R + 1
      {10, power(10, 256) * 9 + 5, 9},                    // quotient R^256 + 0: does not fit
      {10, -(power(10, 256) * 9 + 8), 5},                 // quotient 1.8 R^256: does not fit
      {256, power(256, 257) - 1, 255},                    // quotient just above R^256
      {256, power(256, 257) - 1, 256 * 256 - 1},          // two-digit divisor: fits
      {256, power(256, 256) * 128 + 7, power(256, 128) * 255 + 3},
      {2, power(2, 257) - 1, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("radix " + std::to_string(c.radix) + ": " + c.a.get_str() + " / " + c.b.get_str());
    TULCSORDULT = false;
    // from_mpz fills positions 0..256; HOSSZ 256.
    EGESZSZAM a = test::from_mpz(c.a, c.radix), b = test::from_mpz(c.b, c.radix);
    ASSERT_EQ(a.HOSSZ, 256);
    EGESZSZAM q = test::junk_record(c.radix, 1), m = test::junk_record(c.radix, 1);
    OSZT(a, b, q, m);
    mpz_class quotient = c.a / c.b;  // truncated toward zero, as GMP does
    mpz_class limit = power(c.radix, 256);
    EXPECT_TRUE(holds(m, c.a - quotient * c.b));
    if (abs(quotient) < limit) {
      EXPECT_FALSE(TULCSORDULT);
      EXPECT_TRUE(holds(q, quotient));
    } else {
      EXPECT_TRUE(TULCSORDULT);
      mpz_class low = abs(quotient) % limit;
      EXPECT_TRUE(holds(q, quotient < 0 ? mpz_class(-low) : low));
    }
  }
}

// Named hard cases of the digit estimate, in radix 10 and radix 256. The
// counters show which way each step went: + 4 and + 3 for every lowering by
// the two-digit test, + 3(M + 1) and + 2(M + 1) for every product tried.
TEST_F(Division, HardCasesOfTheDigitEstimate) {
  struct Case {
    const char* what;
    int radix;
    std::vector<int> a, b;  // most significant digit first
    int plusz, szor;
  } cases[] = {
      {"estimates two too large, lowered twice by the two-digit test", 10, {4, 0, 0, 8}, {5, 9}, 36, 40},
      {"an estimate one too large that only the comparison rejects", 10, {1, 3, 4, 8, 0, 0, 4}, {1, 0, 0, 6},
       63, 102},
      {"lowered once by the test and once by the comparison", 10, {5, 4, 5, 4, 1, 2}, {6, 8, 8}, 55, 59},
      {"window top digit equal to the divisor's: digits R - 1", 10, {1, 4, 1, 6, 5}, {7, 1}, 34, 34},
      {"window top digit equal to the divisor's, R - 1 then lowered", 10, {4, 0, 4, 9, 1, 1, 5}, {3, 4, 0, 8},
       64, 102},
      {"divisor top digit R / 2: already scaled", 10, {8, 9, 8, 4}, {5, 9}, 27, 28},
      {"quotient digits all R - 1", 10, {5, 9, 5, 0}, {6, 0}, 24, 24},
      {"estimate two too large, lowered twice by the two-digit test", 256, {245, 53, 254}, {128, 255}, 22, 24},
      {"an estimate one too large that only the comparison rejects", 256, {1, 127, 254, 255, 255, 128, 0},
       {1, 129, 129, 127}, 63, 102},
      {"lowered once by the test and once by the comparison", 256, {1, 233, 68, 254, 127, 254, 127},
       {128, 254, 127, 176}, 66, 70},
      {"window top digit equal to the divisor's: digit R - 1", 256, {254, 127, 128, 0, 80, 254, 254},
       {1, 0, 129, 0}, 63, 102},
      {"window top digit equal to the divisor's, R - 1 then lowered", 256, {254, 0, 0, 128, 84}, {254, 255, 1},
       37, 37},
      {"divisor top digit R / 2: already scaled", 256, {1, 127, 1, 128, 255}, {128, 1, 129, 30}, 28, 28},
      {"quotient digits all R - 1", 256, {1, 254, 254, 128}, {1, 255}, 26, 47},
      {"one-digit divisor", 256, {255, 255, 255, 255}, {255}, 20, 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ", radix " + std::to_string(c.radix));
    for (int sa : {0, 1}) {
      for (int sb : {0, 1}) {
        EGESZSZAM a{}, b{};
        a.SZAMRENDSZER = b.SZAMRENDSZER = c.radix;
        a.HOSSZ = static_cast<int>(c.a.size()) - 1;
        b.HOSSZ = static_cast<int>(c.b.size()) - 1;
        for (int i = 0; i <= a.HOSSZ; ++i) a.JEGY[a.HOSSZ - i] = c.a[i];
        for (int i = 0; i <= b.HOSSZ; ++i) b.JEGY[b.HOSSZ - i] = c.b[i];
        a.ELOJEL = sa ? NEG : POZ;
        b.ELOJEL = sb ? NEG : POZ;
        EGESZSZAM q = test::junk_record(c.radix, 1), m = test::junk_record(c.radix, 2);
        OSZT(a, b, q, m);
        mpz_class quotient = test::value(a) / test::value(b);
        EXPECT_TRUE(holds(q, quotient));
        EXPECT_TRUE(holds(m, test::value(a) - quotient * test::value(b)));
        EXPECT_EQ(PLUSZ, c.plusz);
        EXPECT_EQ(SZOR, c.szor);
      }
    }
  }
}

// A divisor whose top digit is 0 (not in normal form) would make the digit
// estimates divide by zero: the division ends with the range error instead.
TEST_F(Division, DivisorWithALeadingZeroIsARangeError) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EGESZSZAM q, m;
  EXPECT_EXIT(OSZT(dec("9999"), test::make(10, {0, 0, 7}), q, m), ::testing::ExitedWithCode(201), "");
  EXPECT_EXIT(OSZT(dec("99"), test::make(10, {0, 7}), q, m), ::testing::ExitedWithCode(201), "");
}

}  // namespace
