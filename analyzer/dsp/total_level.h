#pragma once

#include <span>

namespace tolk {

// The level given for a block without energy: far below anything a 16- or
// 24-bit input can show, and finite, so traces, averages and logs stay numbers.
inline constexpr float kSilentTotalLevelDb = -120.0f;

// 20 log10 of the root mean square of the samples (on the 16-bit scale, so a
// full-scale sine is about 87 dB), never below kSilentTotalLevelDb.
float totalLevelDb(std::span<const float> samples);

}  // namespace tolk
