// The driver: printing a real number, the iteration line, and the program's
// whole run as a user sees it.
#include "support.hpp"
#include "valos.hpp"

namespace {

using namespace aritunit;
using raciona5::VALOSSZAM;

class Printing : public test::Modules {};

// A VALOSSZAM with integer part `whole` and fraction digits 1, 2, ..., 9, 0, 1,
// ... at indices 0..frac_hossz.
VALOSSZAM real(std::initializer_list<int> whole, int frac_hossz) {
  VALOSSZAM v{};
  v.EGESZ = test::make(10, whole);
  v.TORT.SZAMRENDSZER = 10;
  v.TORT.HOSSZ = frac_hossz;
  for (int k = 0; k <= frac_hossz; ++k) v.TORT.JEGY[k] = (k + 1) % 10;
  return v;
}

std::string kiir(const VALOSSZAM& v, int hossz) {
  return test::console_output([&] { valos::KIIR(v, hossz); });
}

TEST_F(Printing, ZeroFractionGivesNoPointWhateverItsLength) {
  VALOSSZAM v{};
  EXPECT_EQ(kiir(v, 72), "0\r\n");
  v.TORT.HOSSZ = 200;
  v.TORT.JEGY[201] = 5;  // above HOSSZ: not part of the fraction
  EXPECT_EQ(kiir(v, 72), "0\r\n");
}

TEST_F(Printing, FractionDigitsUpToTheSmallerIndex) {
  EXPECT_EQ(kiir(real({3}, 5), 72), "3.123456\r\n");
  std::string long_one = kiir(real({1}, 100), 72);
  EXPECT_EQ(long_one.size(), 2u + 73u + 2u);
  EXPECT_EQ(long_one.substr(0, 12), "1.1234567890");
  EXPECT_EQ(long_one.substr(long_one.size() - 5), "123\r\n");  // digit index 72 is 3
  EXPECT_EQ(kiir(real({1}, 5), -1), "1.\r\n");
}

TEST_F(Printing, OnlyTheLowestIntegerDigitAndNoSign) {
  EXPECT_EQ(kiir(real({1, 2}, 0), 72), "2.1\r\n");
  VALOSSZAM v = real({7}, 1);
  v.EGESZ.ELOJEL = NEG;
  v.TORT.ELOJEL = NEG;
  EXPECT_EQ(kiir(v, 72), "7.12\r\n");
}

TEST_F(Printing, DigitsAboveNineRunTogether) {
  VALOSSZAM v{};
  v.EGESZ = test::make(16, {11});
  v.TORT = test::make(16, {0, 15});  // reading order: index 0 is 15, index 1 is 0
  EXPECT_EQ(kiir(v, 72), "11.150\r\n");
}

TEST_F(Printing, IterationLine) {
  auto line = [](int n) { return test::console_output([&] { valos::ITERSZAM_KIIR(n); }); };
  EXPECT_EQ(line(0), " Iterációszám:   0\r\n");
  EXPECT_EQ(line(12345), " Iterációszám:12345\r\n");
  EXPECT_EQ(line(-5), " Iterációszám:  -5\r\n");
}

const char* const kScreen =
    "Gyök-2 közelítés Newton-módszerrel:\r\n"
    "\r\n"
    "0\r\n"
    " Iterációszám:   0\r\n"
    "\r\n"
    "Gyök-2 közelítés Pell-egyenlettel:\r\n"
    "\r\n"
    "0\r\n"
    " Iterációszám:   0\r\n"
    "\r\n";

TEST(Program, WritesTheTenLinesAndEndsOnEndOfInput) {
  test::Process p = test::run(std::string(SQRT2_DRIVER) + " < /dev/null");
  EXPECT_EQ(p.status, 0);
  EXPECT_EQ(p.output, kScreen);
}

TEST(Program, EndsOnOneByteOfInputAndIgnoresArguments) {
  test::Process p = test::run("printf 'xy' | " + std::string(SQRT2_DRIVER) + " some args");
  EXPECT_EQ(p.status, 0);
  EXPECT_EQ(p.output, kScreen);
}

TEST(Program, AFailedWriteEndsWithARunTimeError) {
  test::Process p = test::run(std::string(SQRT2_DRIVER) + " < /dev/null > /dev/full; echo $?");
  EXPECT_EQ(p.output, "101\n");
}

}  // namespace
