#include "analyzer/dsp/row_levels.h"

#include <algorithm>
#include <cmath>

#include "analyzer/dsp/level_code.h"
#include "analyzer/dsp/rounding.h"

namespace tolk {

RowLevels::RowLevels(const RowLayout& layout, int fftSize, int sampleRateHz)
    : scale_(layout.scale),
      rowCount_(std::max(1, layout.rowCount)),
      lastBin_(fftSize / 2 - 1),
      powerScale_(double(fftSize) / sampleRateHz) {
  const int rows = rowCount_;
  if (scale_ == FrequencyScale::Linear) {
    const float binsPerRow =
        float(fftSize * (layout.highHz - layout.lowHz) / (double(sampleRateHz) * rows));
    const int binsSummed = std::max(1, roundToInt(binsPerRow));
    const float first = float(layout.lowHz * fftSize / sampleRateHz);
    for (int m = 0; m < rows; ++m) {
      const int start = roundToInt(first + float(m) * binsPerRow);
      rowBins_.push_back({start, start + binsSummed - 1});
    }
    return;
  }

  bands_ = buildBandTable(fftSize, sampleRateHz, layout.bandsPerOctave);
  bandUsed_.assign(bands_.bandCount + 1, false);
  bandLevel_.assign(bands_.bandCount + 1, 0);
  const double logLow = std::log10(layout.lowHz);
  const double step = rows > 1 ? (std::log10(layout.highHz) - logLow) / (rows - 1) : 0.0;
  const double logBase = std::log10(double(BandTable::kBaseFreqHz));
  const auto bandAt = [&](double logFreq) {
    return std::clamp(truncToInt((logFreq - logBase) / bands_.logStep), 0,
                      std::max(0, bands_.bandCount - 1));
  };
  for (int m = 0; m < rows; ++m) {
    const int low = bandAt(logLow + m * step);
    const int high = bandAt(logLow + (m + 1) * step);
    const Range range{low, high - low > 1 ? high : low};
    rowBands_.push_back(range);
    for (int b = range.first; b <= range.last; ++b) bandUsed_[b] = true;
  }
}

void RowLevels::levels(std::span<const double> average, std::span<std::int16_t> rows) {
  if (scale_ == FrequencyScale::Linear) {
    linearLevels(average, rows);
  } else {
    bandLevels(average, rows);
  }
}

void RowLevels::linearLevels(std::span<const double> average, std::span<std::int16_t> rows) const {
  for (std::size_t m = 0; m < rowBins_.size(); ++m) {
    const Range bins = rowBins_[m];
    double sum = 0;
    for (int k = bins.first; k <= bins.last; ++k) {
      // Bins at or beyond the last place read the last place.
      const double magnitude = average[std::clamp(k, 0, lastBin_)];
      sum += magnitude * magnitude;
    }
    rows[m] = levelCode(powerScale_ * sum / (bins.last - bins.first + 1));
  }
}

void RowLevels::bandLevels(std::span<const double> average, std::span<std::int16_t> rows) {
  const bool largest = scale_ == FrequencyScale::Log;
  for (int b = 0; b <= bands_.bandCount; ++b) {
    if (!bandUsed_[b]) continue;
    double power = 0;
    for (int j = 0; j < bands_.bandBinCount[b]; ++j) {
      const double magnitude = average[std::clamp(bands_.bandStartBin[b] + j, 0, lastBin_)];
      const double square = magnitude * magnitude;
      power = largest ? std::max(power, square) : power + square;
    }
    bandLevel_[b] = levelCode(powerScale_ * power);
  }
  for (std::size_t m = 0; m < rowBands_.size(); ++m) {
    const Range range = rowBands_[m];
    rows[m] =
        *std::max_element(bandLevel_.begin() + range.first, bandLevel_.begin() + range.last + 1);
  }
}

}  // namespace tolk
