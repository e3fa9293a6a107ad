#include "bench/ratio_reporter.h"

#include <cstdio>
#include <string>

namespace tolk::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& reports) {
  ConsoleReporter::ReportRuns(reports);
  for (const Run& run : reports) {
    if (run.error_occurred || run.run_type != Run::RT_Aggregate) continue;
    if (run.aggregate_name != "median") continue;
    // Real time in nanoseconds per iteration; the unit only needs to agree
    // between the two sides of a ratio.
    std::string name = run.run_name.str();
    name = name.substr(0, name.find("/repeats:"));
    medianNs_[name] =
        run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
  }
}

double RatioReporter::ratio(const std::string& ours, const std::string& yardstick) const {
  const auto a = medianNs_.find(ours);
  const auto b = medianNs_.find(yardstick);
  if (a == medianNs_.end() || b == medianNs_.end() || b->second <= 0) return -1;
  return a->second / b->second;
}

bool printRatio(const std::string& label, double ratio, double limit) {
  const bool ok = ratio > 0 && ratio <= limit;
  std::printf("%-44s %6.2f  (limit %.2f) %s\n", label.c_str(), ratio, limit,
              ok ? "ok" : "ABOVE LIMIT");
  return ok;
}

}  // namespace tolk::bench
