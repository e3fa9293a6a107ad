#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tolk {

enum class SampleFormat { Pcm16, Pcm24 };

int bytesPerSample(SampleFormat format);

// The input gain of the gain scroll bar: 10^(-gainAttenuationDb / 20).
double inputGain(double gainAttenuationDb);

// Reads one channel of interleaved little-endian PCM frames into out.size()
// float samples on the 16-bit scale, times `gain`: 16-bit samples are
// clipped to -32767 ... 32767, 24-bit samples are divided by 256 and not
// clipped. `firstSample` points at the channel's sample of the first frame;
// `frameBytes` is the distance between frames.
void scaleSamples(const std::uint8_t* firstSample, std::size_t frameBytes, SampleFormat format,
                  double gain, std::span<float> out);

}  // namespace tolk
