// The run-time checks: what they accept, and the report and exit status with
// which a violation ends the program.
#include <regex>

#include "platform/runtime.hpp"
#include "support.hpp"

namespace {

struct Violation {
  const char* probe;
  int status;
};

class RuntimeErrorReport : public ::testing::TestWithParam<Violation> {};

TEST_P(RuntimeErrorReport, EndsTheProgramWithTheReportOnStandardOutput) {
  auto [probe, status] = GetParam();
  test::Process p = test::run(std::string(RUNTIME_PROBE) + " " + probe + " 2>/dev/null");
  EXPECT_EQ(p.status, status);
  // The first line names the error and the failing address, back-trace lines
  // follow, and an empty line ends the report.
  std::regex report("Runtime error " + std::to_string(status) +
                    " at \\$[0-9A-F]{8}\n(  \\$[0-9A-F]{8}\n)+\n");
  EXPECT_TRUE(std::regex_match(p.output, report)) << p.output;
}

INSTANTIATE_TEST_SUITE_P(Checks, RuntimeErrorReport,
                         ::testing::Values(Violation{"digit", 201}, Violation{"index", 201},
                                           Violation{"radix", 201}, Violation{"hossz", 201},
                                           Violation{"overflow", 215}),
                         [](const auto& param_info) { return std::string(param_info.param.probe); });

TEST(RuntimeErrorReport, TheFailingAddressLiesInTheProgramAndIsTheFirstTraceLine) {
  test::Process p = test::run(std::string(RUNTIME_PROBE) + " digit");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(p.output, m, std::regex("at \\$([0-9A-F]{8})\n  \\$([0-9A-F]{8})")));
  EXPECT_EQ(m[1], m[2]);
  EXPECT_NE(m[1], "00000000");
}

TEST(RuntimeErrorReport, TheFailingAddressNamesTheCodeThatFailed) {
  test::Process p = test::run(std::string(RUNTIME_PROBE) + " digit");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(p.output, m, std::regex("at \\$([0-9A-F]{8})")));
  test::Process where = test::run("addr2line -f -e " + std::string(RUNTIME_PROBE) + " 0x" + m[1].str());
  if (where.status != 0) GTEST_SKIP() << "no addr2line here";
  // The first line names the function: the probe's main, or the check itself
  // where the compiler did not inline it. "??" would mean no code of the program.
  EXPECT_NE(where.output.substr(0, 2), "??") << where.output;
  EXPECT_GT(where.output.find('\n'), 0u) << where.output;
}

TEST(RuntimeChecks, NoViolationRunsOn) {
  test::Process p = test::run(std::string(RUNTIME_PROBE) + " none");
  EXPECT_EQ(p.status, 0);
  EXPECT_EQ(p.output, "no error\n");
}

TEST(RuntimeChecks, ZeroFilledStorageIsAcceptedAndValuesInRangePass) {
  aritunit::EGESZSZAM x{};  // radix field 0, outside 2..256, but never assigned
  EXPECT_EQ(x.SZAMRENDSZER, 0);
  x.SZAMRENDSZER = 256;
  x.SZAMRENDSZER = 2;
  x.HOSSZ = 256;
  x.JEGY[256] = 255;
  EXPECT_EQ(x.JEGY[256], 255);
  platform::int16 n = -32768;
  n = 32767;
  EXPECT_EQ(n, 32767);
}

TEST(RuntimeChecks, CountersSaturateInsteadOfOverflowing) {
  platform::int16 c = 32000;
  platform::saturating_add(c, 10000);
  EXPECT_EQ(c, 32767);
  c = 5;
  platform::saturating_add(c, 7);
  EXPECT_EQ(c, 12);
}

}  // namespace
