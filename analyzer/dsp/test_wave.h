#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "analyzer/dsp/image_layout.h"

namespace tolk::testing {

// Writes a 16-bit PCM wave file of `frames` frames whose channel c of frame
// i is value(c, i), rounded.
void writeTestWave(const std::filesystem::path& file, int channels, int sampleRateHz,
                   std::size_t frames, const std::function<double(int, std::size_t)>& value);

// A cosine of `amplitude` at `frequencyHz` on every channel.
std::function<double(int, std::size_t)> testTone(double amplitude, double frequencyHz,
                                                 int sampleRateHz);

// The image area of an 800 x 600 window, in round figures.
ImageLayout smallLayout();

}  // namespace tolk::testing
