// Multiplication: values, signs and counters, the boundary between products
// that fit in 256 digits and products that raise the flag, positions written,
// the flag on entry, the radix line, and shared records.
#include <string>

#include "aritunit_private.hpp"
#include "support.hpp"

namespace {

using namespace aritunit;
using test::holds;
using test::power;

class Multiplication : public test::Modules {};

// A product into a result record full of junk. Checks the value, sign, HOSSZ,
// radix, the counters' formula, and that positions above the product's
// columns keep their junk.
TEST_F(Multiplication, SmallProductsInRadix10) {
  struct Case {
    const char *a, *b, *product;
    int plusz, szor;
  } cases[] = {
      {"12", "34", "408", 4, 12},     {"123", "4", "492", 3, 11},    {"99", "99", "9801", 4, 12},
      {"-12", "34", "-408", 4, 12},   {"-12", "-34", "408", 4, 12},  {"12", "-34", "-408", 4, 12},
      {"0", "-5", "0", 1, 5},         {"-7", "0", "0", 1, 5},        {"9", "9", "81", 1, 5},
      {"1", "987", "987", 3, 11},     {"1000", "1000", "1000000", 16, 32},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " * " + c.b);
    EGESZSZAM a = test::from_mpz(mpz_class(c.a), 10), b = test::from_mpz(mpz_class(c.b), 10);
    EGESZSZAM p = test::junk_record(10, 6);
    p.SZAMRENDSZER = 16;
    const EGESZSZAM before = p;
    SZOROZ(a, b, p);
    EXPECT_TRUE(holds(p, mpz_class(c.product)));
    EXPECT_EQ(p.SZAMRENDSZER, 10);
    EXPECT_EQ(PLUSZ, c.plusz);
    EXPECT_EQ(SZOR, c.szor);
    EXPECT_TRUE(test::kept_from(p, before, a.HOSSZ + b.HOSSZ + 2));
    EXPECT_FALSE(TULCSORDULT);
  }
}

// Products at the 256-digit limit. A product of R^256 or more raises the flag
// and leaves its lowest 256 digits, with the sign of the factors; position
// 256 gets the product's digit there when that column was formed, else keeps
// what it held.
TEST_F(Multiplication, ProductsAtThe256DigitLimit) {
  const int kept = -1;
  struct Case {
    int radix;
    mpz_class a, b;
    int digit256;  // for overflowing products: the digit left at 256, or kept
  } cases[] = {
      {10, power(10, 127), power(10, 128), 0},                      // 10^255 fits
      {10, power(10, 128) - 1, power(10, 128) - 1, 0},              // fits, HOSSZ 255
      {10, power(10, 128), power(10, 128), 1},                      // column 256 formed, stops at 257
      {10, power(10, 200), -power(10, 100), 0},                     // stops at 257, nothing above 256
      {2, power(2, 254), 2, 0},                                     // fits, HOSSZ 255
      {2, power(2, 255), 2, 1},                                     // overflows
      {256, power(256, 128) - 1, power(256, 128) - 1, 0},           // column sums far past 16 bits
      {256, power(256, 128) - 1, power(256, 128) + 1, 0},           // R^256 - 1 fits
      {256, -(power(256, 128) - 1), power(256, 128) + 2, kept},     // a carry out of column 255
      {255, power(255, 255) - 1, power(255, 100) - 1, kept},        // carries into column 256
      {16, power(16, 128) - 1, power(16, 127) * 15 + 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("radix " + std::to_string(c.radix) + ": " + c.a.get_str() + " * " + c.b.get_str());
    TULCSORDULT = false;
    EGESZSZAM a = test::from_mpz(c.a, c.radix), b = test::from_mpz(c.b, c.radix);
    EGESZSZAM p = test::junk_record(c.radix, 7);
    SZOROZ(a, b, p);
    mpz_class exact = c.a * c.b;
    mpz_class limit = power(c.radix, 256);
    int ha = a.HOSSZ, hb = b.HOSSZ;
    if (abs(exact) < limit) {
      EXPECT_FALSE(TULCSORDULT);
      EXPECT_TRUE(holds(p, exact));
      EXPECT_EQ(PLUSZ, (ha + 1) * (hb + 1));
      EXPECT_EQ(SZOR, (ha + 1) * (hb + 1) + 2 * (ha + hb + 2));
      if (ha + hb + 1 == 256) {
        EXPECT_EQ(p.JEGY[256], 0);  // the last column, carry 0
      }
    } else {
      EXPECT_TRUE(TULCSORDULT);
      mpz_class low = abs(exact) % limit;
      EXPECT_TRUE(holds(p, exact < 0 ? mpz_class(-low) : low));
      EXPECT_EQ(p.JEGY[256], c.digit256 == kept ? 7 : c.digit256);
    }
  }
}

// Factors of HOSSZ 255 make more than 32,767 digit steps before the loop
// stops: the counters stop at 32,767 and the product is as for any overflow.
TEST_F(Multiplication, CountersStopAt32767) {
  EGESZSZAM a = test::from_mpz(power(10, 256) - 1, 10);
  EGESZSZAM p{};
  SZOROZ(a, a, p);
  EXPECT_TRUE(TULCSORDULT);
  EXPECT_EQ(PLUSZ, 32767);
  EXPECT_EQ(SZOR, 32767);
}

TEST_F(Multiplication, DoesNothingWhileTheFlagIsRaised) {
  EGESZSZAM a = test::from_mpz(12, 16), b = test::from_mpz(34, 16);
  EGESZSZAM p = test::junk_record(10, 3);
  const EGESZSZAM before = p;
  TULCSORDULT = true;
  PLUSZ = 5;
  SZOR = 6;
  SZAMRENDSZER = 7;
  SZOROZ(a, b, p);
  EXPECT_EQ(p.JEGY, before.JEGY);
  EXPECT_EQ(p.HOSSZ, before.HOSSZ);
  EXPECT_EQ(p.ELOJEL, before.ELOJEL);
  EXPECT_EQ(p.SZAMRENDSZER, 10);
  EXPECT_EQ(PLUSZ, 5);
  EXPECT_EQ(SZOR, 6);
  EXPECT_EQ(SZAMRENDSZER, 7);
  EXPECT_TRUE(TULCSORDULT);
}

TEST_F(Multiplication, RadixMismatchWritesTheLineAndWorksInTheFirstRadix) {
  EGESZSZAM a = test::make(10, {1, 2}), b = test::make(16, {3, 4});
  EGESZSZAM p = test::junk_record(7, 0);
  std::string out = test::console_output([&] { SZOROZ(a, b, p); });
  EXPECT_EQ(out, "Kulonbozo szamrendszerek: 10 16\r\n");
  EXPECT_EQ(p.SZAMRENDSZER, 7);
  EXPECT_EQ(SZAMRENDSZER, 10);
  p.SZAMRENDSZER = 10;
  EXPECT_TRUE(holds(p, 408));
}

// A product record that is also a factor is formed through a copy: the whole
// record comes out as with a separate record that held the same digits.
TEST_F(Multiplication, ProductRecordSharedWithAFactor) {
  test::Random rnd;
  SCOPED_TRACE("LONGARITH_SEED=" + std::to_string(rnd.seed()));
  enum Sharing { result_is_a, result_is_b, square_into_a, square_separate };
  for (int radix : {2, 10, 256}) {
    for (int round = 0; round < 30; ++round) {
      for (Sharing sharing : {result_is_a, result_is_b, square_into_a, square_separate}) {
        int ha = rnd.uniform(1, 127), hb = rnd.uniform(0, 255 - ha);
        if (round % 3 == 0) hb = rnd.uniform(256 - ha, 255);  // always overflows
        EGESZSZAM x = rnd.integer(radix, ha), y = rnd.integer(radix, hb);
        EGESZSZAM r = test::junk_record(radix, 1);
        EGESZSZAM *a = &x, *b = &y, *res = &r;
        if (sharing == result_is_a) res = &x;
        if (sharing == result_is_b) res = &y;
        if (sharing == square_into_a) b = res = &x;
        if (sharing == square_separate) b = &x;
        // The reference: separate records, the result holding what *res held.
        EGESZSZAM ra = *a, rb = *b, rres = *res;
        TULCSORDULT = false;
        SZOROZ(ra, rb, rres);
        const bool flag = TULCSORDULT;
        const int plusz = PLUSZ, szor = SZOR;
        TULCSORDULT = false;
        SZOROZ(*a, *b, *res);
        ASSERT_EQ(TULCSORDULT, flag);
        EXPECT_EQ(PLUSZ, plusz);
        EXPECT_EQ(SZOR, szor);
        ASSERT_EQ(res->JEGY, rres.JEGY) << "radix " << radix << " sharing " << sharing;
        ASSERT_EQ(res->HOSSZ, rres.HOSSZ);
        ASSERT_EQ(res->ELOJEL, rres.ELOJEL);
        if (!flag) {
          ASSERT_TRUE(holds(*res, test::value(ra) * test::value(rb)));
        }
      }
    }
  }
}

}  // namespace
