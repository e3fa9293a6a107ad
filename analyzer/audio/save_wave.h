#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "analyzer/audio/wave_error.h"
#include "analyzer/audio/wave_headers.h"

namespace tolk {

// "Save Wave" of analysed sound held in memory: `held` is the header the
// sound block carries, `samples` its bytes. At 48000 Hz or less the file gets
// a plain PCM header; above, the held header with the rate and byte rate
// multiplied by freqScaleMultiplier and the data cut to whole frames.
std::optional<WaveError> saveAnalysedWave(const std::filesystem::path& target,
                                          const ExtensibleWaveHeader& held,
                                          std::span<const std::uint8_t> samples,
                                          int freqScaleMultiplier);

// "Save Wave" with no analysed sound but a capture: the captured "temp.wav"
// is copied over the chosen file.
std::optional<WaveError> saveCapturedWave(const std::filesystem::path& capturedWave,
                                          const std::filesystem::path& target);

// Writes a whole wave file (such as the captured "temp.wav") in one go.
std::optional<WaveError> writeWaveFile(const std::filesystem::path& target,
                                       const ExtensibleWaveHeader& header,
                                       std::span<const std::uint8_t> samples);

}  // namespace tolk
