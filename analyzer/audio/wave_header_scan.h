#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

#include "analyzer/audio/wave_file_info.h"

namespace tolk {

// The part of a wave file the header search looks at.
inline constexpr std::size_t kWaveHeaderSearchBytes = 8192;

enum class WaveHeaderScanFailure {
  NoFmtChunk,      // no "fmt " in the first 8192 bytes
  WalkLeftHeader,  // the chunks after "fmt " lead out of the first 8192 bytes
};

// Finds the format and the sample data of a wave file from its first bytes
// (at most kWaveHeaderSearchBytes; missing bytes read as 0) and its size. The
// first "fmt " (any case) anywhere in those bytes is the format chunk; from it
// the chunks are stepped over by their stored sizes until "data" (any case).
// The RIFF and WAVE marks are not needed. sourceBits is bitsPerSample;
// a data size larger than the rest of the file is cut to it.
std::variant<WaveFileInfo, WaveHeaderScanFailure> scanWaveHeader(std::span<const std::uint8_t> head,
                                                                 std::uint64_t fileBytes);

}  // namespace tolk
