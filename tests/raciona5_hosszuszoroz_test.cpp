// The exact double-length product.
#include <vector>

#include "raciona5_private.hpp"
#include "support.hpp"

namespace {

using namespace aritunit;
using namespace raciona5;

class LongProduct : public test::Modules {};

struct Halves {
  EGESZSZAM c, d;
  std::string console;
};

// HOSSZUSZOROZ into junk-filled records, with what it wrote on the console.
Halves hosszuszoroz(const EGESZSZAM& a, const EGESZSZAM& b) {
  test::Random junk;
  Halves h{junk.integer(a.SZAMRENDSZER, 200), junk.integer(a.SZAMRENDSZER, 201), {}};
  h.console = test::console_output([&] { HOSSZUSZOROZ(a, b, h.c, h.d); });
  return h;
}

// The product split at R^256, the halves' form, radix and signs, and the state
// the call leaves.
void check_product(const EGESZSZAM& a, const EGESZSZAM& b) {
  const int radix = a.SZAMRENDSZER;
  Halves h = hosszuszoroz(a, b);
  mpz_class product = test::value(a) * test::value(b);
  mpz_class r256 = test::power(radix, 256);
  EXPECT_EQ(abs(test::value(h.c)), abs(product) % r256);
  EXPECT_EQ(abs(test::value(h.d)), abs(product) / r256);
  ELOJELTIPUS sign = product < 0 ? NEG : POZ;
  if (test::value(h.c) != 0) {
    EXPECT_EQ(h.c.ELOJEL, sign);
  }
  if (test::value(h.d) != 0) {
    EXPECT_EQ(h.d.ELOJEL, sign);
  }
  EXPECT_TRUE(test::normal_form(h.d));
  if (test::value(h.d) != 0) {
    EXPECT_EQ(h.c.HOSSZ, 255);
  } else {
    EXPECT_TRUE(test::normal_form(h.c));
  }
  EXPECT_EQ(h.c.SZAMRENDSZER, radix);
  EXPECT_EQ(h.d.SZAMRENDSZER, radix);
  EXPECT_EQ(h.console, "");
  EXPECT_FALSE(TULCSORDULT);
  EXPECT_EQ(PONTOSSAG, 255);
}

std::string trace(int radix, const EGESZSZAM& a, const EGESZSZAM& b) {
  return "radix " + std::to_string(radix) + ": " + test::value(a).get_str(radix <= 62 ? radix : 16) + " * " +
         test::value(b).get_str(radix <= 62 ? radix : 16);
}

TEST_F(LongProduct, RandomFactorsAgainstGmp) {
  test::Random rnd;
  for (int radix : {2, 10, 16, 256}) {
    for (int round = 0; round < 120; ++round) {
      // Mostly long factors, as fraction addition passes them, and some short.
      auto hossz = [&] { return rnd.uniform(0, 2) ? rnd.uniform(200, 255) : rnd.uniform(0, 255); };
      EGESZSZAM a = rnd.integer(radix, hossz()), b = rnd.integer(radix, hossz());
      SCOPED_TRACE(trace(radix, a, b) + " seed " + std::to_string(rnd.seed()));
      aritunit::INICIALIZALAS();
      check_product(a, b);
    }
  }
}

// Factors whose half-sums carry into position 128, alone or both, and whose
// partial sums carry out of the low half: all digits R - 1, 2 R^128 - 2 and
// their neighbours, in every pairing and sign.
TEST_F(LongProduct, CarryHeavyFactorsAgainstGmp) {
  for (int radix : {2, 10, 16, 256}) {
    mpz_class r128 = test::power(radix, 128), r256 = test::power(radix, 256);
    std::vector<mpz_class> shapes = {r256 - 1,
                                     r256 - r128,
                                     2 * r128 - 2,
                                     r128 * r128 / radix,
                                     r128 - 1,
                                     r128,
                                     (r128 - 1) * r128 + 1,
                                     r256 - 2 * r128 + 1,
                                     r256 / 2 + 1,
                                     (r128 / 2 + 1) * (r128 + 1),
                                     1};
    for (const mpz_class& x : shapes) {
      for (const mpz_class& y : shapes) {
        for (int signs = 0; signs < 4; ++signs) {
          EGESZSZAM a = test::from_mpz(signs & 1 ? mpz_class(-x) : x, radix);
          EGESZSZAM b = test::from_mpz(signs & 2 ? mpz_class(-y) : y, radix);
          SCOPED_TRACE(trace(radix, a, b));
          aritunit::INICIALIZALAS();
          check_product(a, b);
        }
      }
    }
  }
}

TEST_F(LongProduct, NamedProducts) {
  mpz_class ten128 = test::power(10, 128), ten256 = test::power(10, 256);
  struct Case {
    const char* what;
    mpz_class a, b, c, d;
    int c_hossz;
  } cases[] = {
      {"10^200 * 10^55 fits the low half", test::power(10, 200), test::power(10, 55), test::power(10, 255), 0,
       255},
      {"10^200 * 10^60", test::power(10, 200), test::power(10, 60), 0, 10000, 255},
      {"(10^256 - 1) * 1", ten256 - 1, 1, ten256 - 1, 0, 255},
      {"the low half carries", 2 * ten128 - 2, 2 * ten128 - 2, ten256 - 8 * ten128 + 4, 3, 255},
      {"the low half carries, one factor negative", 2 * ten128 - 2, 2 - 2 * ten128,
       -(ten256 - 8 * ten128 + 4), -3, 255},
      // The middle term is zero and the low product negative and short: the
      // zero must not outrank it.
      {"zero middle term", -5, 7, -35, 0, 1},
      {"zero middle term, longer low product", -test::power(10, 100), test::power(10, 20),
       -test::power(10, 120), 0, 120},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    aritunit::INICIALIZALAS();
    Halves h = hosszuszoroz(test::from_mpz(c.a, 10), test::from_mpz(c.b, 10));
    EXPECT_EQ(test::double_value(h.c, h.d), c.c + c.d * ten256);
    EXPECT_EQ(test::value(h.c), c.c);
    EXPECT_EQ(test::value(h.d), c.d);
    EXPECT_EQ(h.c.HOSSZ, c.c_hossz);
  }
}

TEST_F(LongProduct, RaisedFlagOnEntryOnlySetsThePrecision) {
  test::Random rnd;
  EGESZSZAM a = rnd.integer(16, 250), b = rnd.integer(16, 250);
  EGESZSZAM c = rnd.integer(16, 30), d = rnd.integer(16, 31);
  const EGESZSZAM c0 = c, d0 = d;
  TULCSORDULT = true;
  HOSSZUSZOROZ(a, b, c, d);
  EXPECT_EQ(c.JEGY, c0.JEGY);
  EXPECT_EQ(c.HOSSZ, c0.HOSSZ);
  EXPECT_EQ(d.JEGY, d0.JEGY);
  EXPECT_EQ(d.HOSSZ, d0.HOSSZ);
  EXPECT_TRUE(TULCSORDULT);
  EXPECT_EQ(PONTOSSAG, 255);
}

}  // namespace
