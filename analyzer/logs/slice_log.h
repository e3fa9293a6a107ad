#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "analyzer/audio/wave_error.h"
#include "analyzer/dsp/row_levels.h"
#include "analyzer/logs/log_source.h"

namespace tolk {

// The spectrum on screen, as a slice log records it.
struct SliceLogContent {
  LogSource source;
  FrequencyScale scale = FrequencyScale::Linear;
  int totalLevelDb = 0;  // rounded
  int eventTimeMs = 0;
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
