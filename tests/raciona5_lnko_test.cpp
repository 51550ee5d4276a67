// The greatest common divisor with its cofactors.
#include <gmpxx.h>

#include "support.hpp"

namespace {

using namespace aritunit;
using namespace raciona5;

class Gcd : public test::Modules {};

struct Result {
  EGESZSZAM oszto, a1, b1;
};

// LNKO into records filled with junk, so a result that is not written shows.
Result lnko(const EGESZSZAM& a, const EGESZSZAM& b) {
  test::Random junk;
  Result r{junk.integer(a.SZAMRENDSZER, 40), junk.integer(a.SZAMRENDSZER, 41),
           junk.integer(a.SZAMRENDSZER, 42)};
  LNKO(a, b, r.oszto, r.a1, r.b1);
  return r;
}

TEST_F(Gcd, NamedCasesWithTheirSigns) {
  struct Case {
    long a, b, oszto, a1, b1;
    bool overflow;
  } cases[] = {
      {12, 18, 6, 2, 3, false},  {7, 7, 7, 1, 1, false},    {8, 15, 1, 8, 15, false},
      {0, 5, 5, 0, 1, false},    {5, 0, 5, 1, 0, false},    {0, 1, 1, 0, 1, false},
      {-6, 4, -2, 3, -2, false}, {-3, 2, -1, -3, 2, false}, {0, 0, 0, 0, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.a) + ", " + std::to_string(c.b));
    aritunit::INICIALIZALAS();
    Result r = lnko(test::from_mpz(c.a, 10), test::from_mpz(c.b, 10));
    EXPECT_EQ(test::value(r.oszto), c.oszto);
    EXPECT_EQ(test::value(r.a1), c.a1);
    EXPECT_EQ(test::value(r.b1), c.b1);
    EXPECT_EQ(TULCSORDULT, c.overflow);
  }
}

// With a divisor of magnitude one the cofactors are whole copies of the
// operands, digits above HOSSZ included.
TEST_F(Gcd, UnitDivisorGivesPlainCopies) {
  EGESZSZAM a = test::make(10, {8}, POZ, 4), b = test::make(10, {1, 5}, NEG, 6);
  Result r = lnko(a, b);
  EXPECT_EQ(r.a1.JEGY, a.JEGY);
  EXPECT_EQ(r.b1.JEGY, b.JEGY);
  EXPECT_EQ(r.b1.ELOJEL, NEG);
}

TEST_F(Gcd, OneRecordAsBothOperands) {
  EGESZSZAM x = test::from_mpz(mpz_class("123456789012345678901234567890"), 10);
  Result r = lnko(x, x);
  EXPECT_EQ(test::value(r.oszto), test::value(x));
  EXPECT_EQ(test::value(r.a1), 1);
  EXPECT_EQ(test::value(r.b1), 1);
}

TEST_F(Gcd, RaisedFlagOnEntryLeavesTheResultsAndReturns) {
  TULCSORDULT = true;
  EGESZSZAM a = test::from_mpz(12, 10), b = test::from_mpz(18, 10);
  test::Random junk;
  Result before{junk.integer(10, 3), junk.integer(10, 4), junk.integer(10, 5)};
  Result r = before;
  LNKO(a, b, r.oszto, r.a1, r.b1);
  EXPECT_EQ(r.oszto.JEGY, before.oszto.JEGY);
  EXPECT_EQ(r.a1.JEGY, before.a1.JEGY);
  EXPECT_EQ(r.b1.JEGY, before.b1.JEGY);
  EXPECT_TRUE(TULCSORDULT);
}

// Random operands with a common factor: the divisor is the gcd up to its sign,
// and the cofactors multiply back to the operands (or are the operands
// themselves when the divisor is 1 or -1).
TEST_F(Gcd, CofactorsMultiplyBackAgainstGmp) {
  test::Random rnd;
  for (int radix : {2, 10, 16, 256}) {
    for (int round = 0; round < 30; ++round) {
      int hg = rnd.uniform(0, 60);
      EGESZSZAM g = rnd.integer(radix, hg, false);
      if (test::value(g) == 0) continue;
      mpz_class a = test::value(rnd.integer(radix, rnd.uniform(0, 254 - hg))) * test::value(g);
      mpz_class b = test::value(rnd.integer(radix, rnd.uniform(0, 254 - hg))) * test::value(g);
      if (a == 0 && b == 0) continue;
      SCOPED_TRACE("radix " + std::to_string(radix) + " a " + a.get_str() + " b " + b.get_str() + " seed " +
                   std::to_string(rnd.seed()));
      Result r = lnko(test::from_mpz(a, radix), test::from_mpz(b, radix));
      mpz_class gcd_ab = gcd(a, b);
      mpz_class oszto = test::value(r.oszto);
      ASSERT_EQ(abs(oszto), gcd_ab);
      mpz_class unit = gcd_ab == 1 ? 1 : oszto;  // a divisor of -1 gives plain copies too
      EXPECT_EQ(test::value(r.a1) * unit, a);
      EXPECT_EQ(test::value(r.b1) * unit, b);
      EXPECT_TRUE(test::normal_form(r.a1) && test::normal_form(r.b1) && test::normal_form(r.oszto));
      EXPECT_FALSE(TULCSORDULT);
    }
  }
}

}  // namespace
