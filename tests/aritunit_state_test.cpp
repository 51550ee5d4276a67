// The integer module's representation, start-up state and small helpers.
#include "aritunit_private.hpp"
#include "support.hpp"

namespace {

using namespace aritunit;
using test::make;

class IntegerModule : public test::Modules {};

void expect_constant(const EGESZSZAM& c, int digit) {
  EXPECT_EQ(c.ELOJEL, POZ);
  EXPECT_EQ(c.HOSSZ, 0);
  EXPECT_EQ(c.SZAMRENDSZER, 10);
  EXPECT_EQ(c.JEGY[0], digit);
  for (int i = 1; i <= 256; ++i) ASSERT_EQ(c.JEGY[i], 0) << "position " << i;
}

TEST_F(IntegerModule, StartUpState) {
  expect_constant(NULLA, 0);
  expect_constant(EGY, 1);
  expect_constant(KETTO, 2);
  EXPECT_EQ(PONTOSSAG, 200);
  EXPECT_FALSE(TULCSORDULT);
  EXPECT_EQ(PLUSZ, 0);
  EXPECT_EQ(SZOR, 0);
  EXPECT_EQ(SZAMRENDSZER, 0);
}

TEST_F(IntegerModule, StartUpResetsWhatAnEarlierRunLeft) {
  TULCSORDULT = true;
  PLUSZ = 9;
  PONTOSSAG = 255;
  INICIALIZALAS();
  EXPECT_FALSE(TULCSORDULT);
  EXPECT_EQ(PLUSZ, 0);
  EXPECT_EQ(PONTOSSAG, 200);
}

TEST_F(IntegerModule, ZeroTestLooksAtDigitsZeroToHosszOnly) {
  EXPECT_TRUE(NULLA_E(NULLA));
  EXPECT_TRUE(NULLA_E(make(10, {0}, NEG)));
  EXPECT_TRUE(NULLA_E(make(10, {0, 0, 0, 0})));
  EXPECT_FALSE(NULLA_E(make(10, {1, 0, 0, 0})));
  EXPECT_FALSE(NULLA_E(make(10, {0, 0, 0, 1})));
  EXPECT_TRUE(NULLA_E(make(10, {0, 0}, POZ, /*junk=*/7)));  // a digit above HOSSZ
  EGESZSZAM full = make(256, {0});
  full.HOSSZ = 256;  // every position zero up to 256: no index leaves the array
  EXPECT_TRUE(NULLA_E(full));
}

TEST_F(IntegerModule, LengthSettingSearchesDownFromAtMost255) {
  struct Case {
    int top_digit_at;  // -1: all zero
    int honnan;
    int hossz;
  } cases[] = {{3, 10, 3}, {3, 3, 3}, {3, 2, 0}, {255, 256, 255}, {255, 300, 255},
               {-1, 256, 0}, {0, 0, 0},  {100, 101, 100}};
  for (auto c : cases) {
    EGESZSZAM x{};
    x.SZAMRENDSZER = 10;
    x.HOSSZ = 77;
    x.JEGY[256] = 9;  // position 256 never counts
    if (c.top_digit_at >= 0) x.JEGY[c.top_digit_at] = 4;
    EGESZSZAM before = x;
    HOSSZALLITAS(x, c.honnan);
    EXPECT_EQ(x.HOSSZ, c.hossz) << "top " << c.top_digit_at << " from " << c.honnan;
    x.HOSSZ = before.HOSSZ;
    EXPECT_EQ(x.JEGY, before.JEGY);
  }
}

TEST_F(IntegerModule, MaxAndMin) {
  EXPECT_EQ(MAX(3, 3), 3);
  EXPECT_EQ(MAX(-2, 5), 5);
  EXPECT_EQ(MAX(5, -2), 5);
  EXPECT_EQ(MIN(-1, 0), -1);
  EXPECT_EQ(MIN(0, -1), -1);
  EXPECT_EQ(MIN(72, 72), 72);
}

TEST_F(IntegerModule, RadixMismatchLine) {
  struct Case {
    int sz1, sz2;
    const char* line;
  } cases[] = {{10, 16, "Kulonbozo szamrendszerek: 10 16\r\n"},
               {2, 256, "Kulonbozo szamrendszerek:  2256\r\n"},
               {256, 2, "Kulonbozo szamrendszerek:256  2\r\n"}};
  for (auto c : cases) {
    std::string out = test::console_output([&] { SZAMRENDSZER_HIBA(c.sz1, c.sz2); });
    EXPECT_EQ(out, c.line);
  }
  EXPECT_EQ(test::console_output([] { SZAMRENDSZER_HIBA(2, 256); }).size(), 31u + 2u);
}

TEST_F(IntegerModule, OverflowRaisesTheFlagOnly) {
  std::string out = test::console_output([] { TULCSORDULAS(); });
  EXPECT_TRUE(TULCSORDULT);
  EXPECT_EQ(out, "");
}

}  // namespace
