// The driver's constant table and the decimal literals it is built from.
#include <string>

#include "support.hpp"
#include "valos.hpp"

namespace {

using namespace aritunit;
using namespace valos;

class ConstantTable : public test::Modules {};

// The record as digits, most significant first, with its radix, sign and
// zeros above HOSSZ checked.
std::string digits_of(const EGESZSZAM& x) {
  std::string s;
  for (int i = x.HOSSZ; i >= 0; --i) s += std::to_string(x.JEGY[i]);
  for (int i = x.HOSSZ + 1; i <= 256; ++i)
    if (x.JEGY[i] != 0) return "digit above HOSSZ at " + std::to_string(i);
  if (x.SZAMRENDSZER != 10 || x.ELOJEL != POZ) return "not radix 10 POZ";
  return s;
}

TEST_F(ConstantTable, BuiltSilentlyWithEveryConstantAsInTheTable) {
  std::string out = test::console_output([] { KONSTANSLETREHOZAS(); });
  EXPECT_EQ(out, "");

  struct Integer {
    const EGESZSZAM& x;
    const char* digits;
  } integers[] = {{HAT, "6"},          {HUSZONNEGY, "24"}, {NYOLC, "8"},
                  {NEGY, "4"},         {OTVENHET, "57"},   {KETSZAZHARMINCKILENC, "239"},
                  {HUSZ, "20"},        {HET, "7"},         {HAROM, "3"},
                  {HETVENKILENC, "79"}};
  for (const Integer& c : integers) EXPECT_EQ(digits_of(c.x), c.digits);

  struct Fraction {
    const char* name;
    const TORT& t;
    const char *numerator, *denominator;
  } fractions[] = {{"HATTORT", HATTORT, "6", "1"},
                   {"NEGYTORT", NEGYTORT, "4", "1"},
                   {"HAROMTORT", HAROMTORT, "3", "1"},
                   {"HUSZONNEGYTORT", HUSZONNEGYTORT, "24", "1"},
                   {"OTVENHETED", OTVENHETED, "1", "57"},
                   {"NYOLCTORT", NYOLCTORT, "8", "1"},
                   {"NYOLCAD", NYOLCAD, "1", "8"},
                   {"KETSZAZHARMINCKILENCED", KETSZAZHARMINCKILENCED, "1", "239"},
                   {"HETED", HETED, "1", "7"},
                   {"HUSZTORT", HUSZTORT, "20", "1"},
                   {"HAROMHETVENKILENCED", HAROMHETVENKILENCED, "3", "79"}};
  for (const Fraction& c : fractions) {
    EXPECT_EQ(digits_of(c.t.SZAMLALO), c.numerator) << c.name;
    EXPECT_EQ(digits_of(c.t.NEVEZO), c.denominator) << c.name;
  }
  EXPECT_FALSE(TULCSORDULT);
  EXPECT_EQ(PONTOSSAG, 200);
  EXPECT_FALSE(raciona5::KEREKITES);
}

TEST_F(ConstantTable, LiteralsDigitByDigit) {
  struct Case {
    std::string literal;
    const char* digits;
  } cases[] = {{"239", "239"}, {"0", "0"}, {"007", "007"}, {"1x3", "103"}, {"-5", "05"}, {" 9", "09"}};
  for (const Case& c : cases) {
    test::Random junk;
    EGESZSZAM x = junk.integer(16, 250, true);  // a longer, earlier value
    KONV_STRINGEGESZ(x, c.literal);
    EXPECT_EQ(digits_of(x), c.digits) << c.literal;
  }
  EGESZSZAM x{};
  KONV_STRINGEGESZ(x, std::string(254, '9') + "8");
  EXPECT_EQ(x.HOSSZ, 254);
  EXPECT_EQ(x.JEGY[0], 8);
  EXPECT_EQ(x.JEGY[254], 9);
}

// A literal holds 1 to 255 characters; any other length is a range violation.
TEST_F(ConstantTable, EmptyOrOverlongLiteralIsARangeError) {
  EGESZSZAM x{};
  EXPECT_EXIT(KONV_STRINGEGESZ(x, ""), ::testing::ExitedWithCode(201), "");
  EXPECT_EXIT(KONV_STRINGEGESZ(x, std::string(256, '1')), ::testing::ExitedWithCode(201), "");
}

}  // namespace
