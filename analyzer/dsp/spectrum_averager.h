#pragma once

#include <span>

namespace tolk {

enum class AveragingRule {
  EveryBin,     // every new value counts
  SkipInvalid,  // live input: a bin whose new value is not a number or not above 0 keeps its
                // average
};

// Averaging of magnitude spectra over time. With weight alpha =
// msPerColumn / averagingTimeMs (1 when the time is 0, never above 1), the first
// round(1 / alpha) columns of a run form an arithmetic mean; after them each
// column enters with weight alpha. The column count is shared by the channels
// of a run, so the caller passes it.
class SpectrumAverager {
 public:
  SpectrumAverager(double msPerColumn, double averagingTimeMs, AveragingRule rule);

  double weight() const { return weight_; }
  // The live engine re-measures the weight while it runs; values above 1 are limited.
  void setWeight(double weight);

  // Folds `values` into `average` for column `column` (0 for the first of the run).
  void add(std::span<const float> values, std::span<double> average, int column) const;

 private:
  double weight_;
  AveragingRule rule_;
};

}  // namespace tolk
