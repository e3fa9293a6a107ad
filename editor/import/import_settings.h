#pragma once

#include <array>
#include <cstdint>

#include "editor/model/fseq_settings.h"

namespace fseq {

enum class FormantLocationMode { FrequencyBands, SpecificFrequencies };

// The parameters of the pitch and formant search that the spectrum imports
// run, and the values that only the formant plot uses (noise level bias and
// formant bandwidths).
struct ImportSettings {
  static constexpr SettingRange kPitchFinderMaxRange{10, 1000};
  static constexpr SettingRange kNoiseLevelBiasRange{-50, 50};
  static constexpr SettingRange kBandUpperRange{0, 8000};
  static constexpr SettingRange kSpecificFrequencyRange{10, 8000};
  static constexpr SettingRange kSpecificRangeRange{10, 1000};
  static constexpr SettingRange kFormantBandwidthRange{0, 99};
  static constexpr SettingRange kDifferenceThresholdRange{0, 30};

  std::int32_t pitchFinderMax = 300;  // Hz, upper end of the pitch search
  std::int32_t noiseLevelBias = 0;    // dB, formant plot only
  FormantLocationMode mode = FormantLocationMode::FrequencyBands;
  std::array<std::int32_t, 8> bandUpperHz{300, 750, 1500, 2300, 3000, 4500, 5500, 8000};
  std::array<std::int32_t, 8> specificHz{250, 500, 1000, 2000, 2500, 3500, 5000, 7000};
  std::int32_t specificRangeHz = 100;  // half width of every band around its frequency
  std::array<std::int32_t, 8> formantBandwidth{5, 5, 10, 20, 30, 40, 50, 60};  // plot only
  bool separateBands = false;
  std::int32_t differenceThreshold = 10;

  // Brings every value into the range of its control.
  void clampToRanges();

  friend bool operator==(const ImportSettings&, const ImportSettings&) = default;
};

// The eight search bands. In Frequency Bands mode only the upper limits
// count: a band starts where the search of the one below it stopped.
struct FormantBands {
  bool skipToLower = false;  // Specific Frequencies: jump to each band's lower limit first
  std::array<double, 8> lowerHz{};
  std::array<double, 8> upperHz{};
};

FormantBands formantBands(const ImportSettings& settings);

}  // namespace fseq
