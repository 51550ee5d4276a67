// Times our operations beside GMP's on the same values, then prints the ratio
// of the median times (ours / GMP) as a table: one row per operation, one
// column per radix.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "raciona5.hpp"
#include "support.hpp"

namespace {

// The console report, plus the per-iteration times of every run, from which
// Finalize prints the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal.
  RatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& reports) override {
    ConsoleReporter::ReportRuns(reports);
    for (const Run& r : reports) {
      if (r.run_type != Run::RT_Iteration || r.error_occurred) continue;
      times_[r.run_name.function_name].push_back({r.GetAdjustedCPUTime(), r.GetAdjustedRealTime()});
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::vector<std::string> columns;
    std::vector<std::string> rows;
    for (const auto& p : bench::pairs()) {
      if (std::find(columns.begin(), columns.end(), p.column) == columns.end()) columns.push_back(p.column);
      if (std::find(rows.begin(), rows.end(), p.operation) == rows.end()) rows.push_back(p.operation);
    }
    std::printf("\nMedian time, ours / GMP's (same values):\n\n| operation |");
    for (const auto& c : columns) std::printf(" %s |", c.c_str());
    std::printf("\n|---|");
    for (std::size_t i = 0; i < columns.size(); ++i) std::printf("---:|");
    std::printf("\n");
    for (const auto& row : rows) {
      std::printf("| %s |", row.c_str());
      for (const auto& c : columns) {
        const bench::Pair* pair = nullptr;
        for (const auto& p : bench::pairs())
          if (p.operation == row && p.column == c) pair = &p;
        double ours = pair ? median(row + "/" + c + "/ours", pair->real_time) : -1;
        double gmp = pair ? median(row + "/" + c + "/gmp", pair->real_time) : -1;
        if (ours > 0 && gmp > 0)
          std::printf(" %.1f× (%.0f / %.0f ns) |", ours / gmp, ours, gmp);
        else
          std::printf(" – |");
      }
      std::printf("\n");
    }
    std::fflush(stdout);
  }

 private:
  struct Time {
    double cpu, real;
  };

  // Median per-iteration time over the repetitions of one benchmark; -1 when
  // it did not run.
  double median(const std::string& name, bool real_time) const {
    auto it = times_.find(name);
    if (it == times_.end() || it->second.empty()) return -1;
    std::vector<double> v;
    for (const Time& t : it->second) v.push_back(real_time ? t.real : t.cpu);
    std::sort(v.begin(), v.end());
    std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  }

  std::map<std::string, std::vector<Time>> times_;
};

}  // namespace

int main(int argc, char** argv) {
  aritunit::INICIALIZALAS();
  raciona5::INICIALIZALAS();
  for (int radix : {10, 256}) bench::register_integer_benchmarks(radix);
  for (int radix : {10, 256}) bench::register_fraction_benchmarks(radix);
  bench::register_program_benchmarks();

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
