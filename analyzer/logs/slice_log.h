#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "analyzer/audio/wave_error.h"
#include "analyzer/dsp/row_levels.h"

namespace tolk {

// The spectrum on screen, as a slice log records it.
struct SliceLogContent {
  std::string soundFilePath;
  int sampleRateHz = 0;
  int fftSize = 0;
  FrequencyScale scale = FrequencyScale::Linear;
  int lowBandLimitHz = 0;
  int highBandLimitHz = 0;
  int totalLevelDb = 0;  // rounded
  int eventTimeMs = 0;
  bool splCalibrated = false;
  // The level codes (quarter dB) of the points of the spectrum plot.
  std::span<const std::int16_t> scopeLevels;
};

// The whole slice log text: header, then one row per FFT point (Linear) or
// per distinct rounded frequency (Log) or third-octave band (Oct/3), with the
// internal levels (code / 4). Lines end with CR LF.
std::string sliceLogText(const SliceLogContent& content);

// Writes the slice log through a temporary file renamed over `file`.
std::optional<WaveError> writeSliceLog(const std::filesystem::path& file,
                                       const SliceLogContent& content);

}  // namespace tolk
