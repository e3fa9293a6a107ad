#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace tolk::testing {

// Writes a 16-bit PCM wave file of `frames` frames whose channel c of frame
// i is value(c, i), rounded.
void writeTestWave(const std::filesystem::path& file, int channels, int sampleRateHz,
                   std::size_t frames, const std::function<double(int, std::size_t)>& value);

// A cosine of `amplitude` at `frequencyHz` on every channel.
std::function<double(int, std::size_t)> testTone(double amplitude, double frequencyHz,
                                                 int sampleRateHz);

}  // namespace tolk::testing
