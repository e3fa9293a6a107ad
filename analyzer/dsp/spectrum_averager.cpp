#include "analyzer/dsp/spectrum_averager.h"

#include <algorithm>

#include "analyzer/dsp/rounding.h"

namespace tolk {

SpectrumAverager::SpectrumAverager(double msPerColumn, double averagingTimeMs, AveragingRule rule)
    : weight_(1.0), rule_(rule) {
  setWeight(averagingTimeMs > 0 ? msPerColumn / averagingTimeMs : 1.0);
}

void SpectrumAverager::setWeight(double weight) {
  weight_ = (weight > 0) ? std::min(weight, 1.0) : 1.0;
}

void SpectrumAverager::add(std::span<const float> values, std::span<double> average,
                           int column) const {
  const int meanColumns = roundToInt(1.0 / weight_);
  // Both phases are "average = keep * average + take * value".
  double keep = 1.0 - weight_;
  double take = weight_;
  if (column < meanColumns) {
    keep = double(column) / (column + 1);
    take = 1.0 / (column + 1);
  }
  const std::size_t count = std::min(values.size(), average.size());
  if (rule_ == AveragingRule::SkipInvalid) {
    for (std::size_t k = 0; k < count; ++k) {
      if (values[k] > 0) average[k] = keep * average[k] + take * values[k];
    }
  } else if (column == 0) {
    std::copy_n(values.begin(), count, average.begin());
  } else {
    for (std::size_t k = 0; k < count; ++k) average[k] = keep * average[k] + take * values[k];
  }
}

}  // namespace tolk
