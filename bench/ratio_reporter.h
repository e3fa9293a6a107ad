#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace tolk::bench {

// Prints every run like the console reporter and keeps the median real time
// of each benchmark, so that a program can compare two benchmarks measured in
// the same run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& reports) override;

  // Time of `ours` divided by time of `yardstick` (both benchmark names
  // without the aggregate suffix), or a negative value when one is missing.
  double ratio(const std::string& ours, const std::string& yardstick) const;

 private:
  std::map<std::string, double> medianNs_;
};

// One comparison line: "label: ours / yardstick = r (limit x) ok|ABOVE LIMIT".
// Returns whether the ratio is within the limit.
bool printRatio(const std::string& label, double ratio, double limit);

}  // namespace tolk::bench
