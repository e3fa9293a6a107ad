#pragma once

#include <string>
#include <vector>

namespace fseq {

enum class ReportColor { Black, Red, Blue, Green };

// A stretch of a report line drawn in one colour; characters outside every
// span are black.
struct ColorSpan {
  std::size_t start = 0;
  std::size_t length = 0;
  ReportColor color = ReportColor::Black;

  friend bool operator==(const ColorSpan&, const ColorSpan&) = default;
};

// One line of the report box, in which every operation says what it did.
struct ReportLine {
  std::string text;
  std::vector<ColorSpan> spans;
};

using Report = std::vector<ReportLine>;

inline void addLine(Report& report, std::string text) {
  report.push_back({std::move(text), {}});
}

// A number in fixed-point notation with the given decimals, as reports write it.
std::string fixedPoint(double value, int decimals);

}  // namespace fseq
