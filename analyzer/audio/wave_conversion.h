#pragma once

#include <filesystem>

#include "analyzer/audio/wave_error.h"

namespace tolk {

// The name of the converted file in the scratch folder.
inline constexpr const char* kConvertedWaveName = "mod.wav";

// Rewrites an 8-bit wave file as 16-bit mod.wav in scratchFolder: each
// unsigned byte b becomes (b - 128) * 256. Gives the path of mod.wav, or
// "Cannot Read Wave File" when the source cannot be read or the result
// would not fit a wave file.
WaveResult<std::filesystem::path> convertEightBitWave(const std::filesystem::path& source,
                                                      const std::filesystem::path& scratchFolder);

// Rewrites a 32-bit float wave file as 24-bit mod.wav in scratchFolder: each
// float x becomes x * 8388608 truncated toward zero, limited to the 24-bit
// range (so samples at or beyond full scale are clipped), not-a-number 0.
WaveResult<std::filesystem::path> convertFloatWave(const std::filesystem::path& source,
                                                   const std::filesystem::path& scratchFolder);

}  // namespace tolk
