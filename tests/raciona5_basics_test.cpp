// The fraction module's start-up constants and the equality of integers as
// written.
#include "support.hpp"

namespace {

using namespace aritunit;
using namespace raciona5;
using test::make;

class FractionModule : public test::Modules {};

TEST_F(FractionModule, StartUpBuildsTheFourConstantsFromTheIntegerOnes) {
  struct Case {
    const char* name;
    const TORT& tort;
    int numerator, denominator;
  } cases[] = {{"NULLATORT", NULLATORT, 0, 1},
               {"FEL", FEL, 1, 2},
               {"EGYTORT", EGYTORT, 1, 1},
               {"KETTOTORT", KETTOTORT, 2, 1}};
  for (const Case& c : cases) {
    for (auto [field, digit] : {std::pair{&c.tort.SZAMLALO, c.numerator}, {&c.tort.NEVEZO, c.denominator}}) {
      EGESZSZAM expected = NULLA;
      expected.JEGY[0] = digit;
      EXPECT_EQ(field->ELOJEL, POZ) << c.name;
      EXPECT_EQ(field->HOSSZ, 0) << c.name;
      EXPECT_EQ(field->SZAMRENDSZER, 10) << c.name;
      EXPECT_EQ(field->JEGY, expected.JEGY) << c.name;  // all 257 digits
    }
  }
  EXPECT_FALSE(KEREKITES);
}

TEST_F(FractionModule, EqualityComparesHosszAndDigitsOnly) {
  struct Case {
    const char* what;
    EGESZSZAM a, b;
    bool equal;
  } cases[] = {
      {"+5 and -5", make(10, {5}), make(10, {5}, NEG), true},
      {"12 in radix 10 and 16", make(10, {1, 2}), make(16, {1, 2}), true},
      {"one in radix 2 and EGY", make(2, {1}), EGY, true},
      {"10 and 11, found at digit 0", make(10, {1, 0}), make(10, {1, 1}), false},
      {"5 and 50, found on HOSSZ", make(10, {5}), make(10, {5, 0}), false},
      {"NULLA and a zero of HOSSZ 1", NULLA, make(10, {0, 0}), false},
      {"digits above HOSSZ differ", make(10, {4, 2}, POZ, 3), make(10, {4, 2}, POZ, 8), true},
      {"top digits differ", make(10, {3, 0, 0, 7}), make(10, {4, 0, 0, 7}), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EGYENLO(c.a, c.b), c.equal) << c.what;
    EXPECT_EQ(EGYENLO(c.b, c.a), c.equal) << c.what;
  }
}

TEST_F(FractionModule, EqualityOfOperandsOfHossz256ComparesEveryPosition) {
  EGESZSZAM a = make(256, {1});
  for (int i = 0; i <= 256; ++i) a.JEGY[i] = 255;
  a.HOSSZ = 256;
  EGESZSZAM b = a;
  EXPECT_TRUE(EGYENLO(a, b));
  b.JEGY[256] = 254;
  EXPECT_FALSE(EGYENLO(a, b));
  b = a;
  b.JEGY[255] = 0;
  EXPECT_FALSE(EGYENLO(a, b));
}

}  // namespace
