#include "editor/app/sample_sequence.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "editor/model/rounding.h"

namespace fseq {

namespace {

// Centre and swing (Hz) of each voiced formant, and its loudness.
struct FormantShape {
  double centreHz;
  double swingHz;
  double level;
};
constexpr FormantShape kVoiced[kFormantCount] = {{550, 250, 120}, {1500, 500, 105}, {2500, 250, 92},
                                                 {3300, 200, 80}, {3900, 200, 68},  {4500, 200, 56},
                                                 {5000, 200, 44}, {5500, 200, 34}};
constexpr FormantShape kUnvoiced[kFormantCount] = {
    {2200, 200, 70}, {2800, 200, 64}, {3400, 200, 58}, {4000, 200, 52},
    {4500, 200, 46}, {5000, 200, 40}, {5400, 200, 34}, {5800, 150, 28}};

std::int32_t level(double value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(roundHalfEven(value), 0, 127));
}

}  // namespace

FseqDocument sampleSequence() {
  FseqDocument document;
  document.settings.fseqName = "Vowels";
  constexpr double kTwoPi = 2 * std::numbers::pi;
  for (int f = 1; f <= kMaxFrames; ++f) {
    const double t = (f - 1) / double(kMaxFrames);
    FseqFrame& frame = document.frame(f);
    frame.setPitch(FreqSettings(120 + 25 * std::sin(kTwoPi * t * 1.5)));
    // Voiced sound swells in three vowels; unvoiced sound fills the breaths
    // between them.
    const double voicing = std::pow(std::sin(std::numbers::pi * std::fmod(t * 3, 1.0)), 0.6);
    for (int k = 0; k < kFormantCount; ++k) {
      const double phase = kTwoPi * (t * (1.0 + 0.35 * k) + 0.13 * k);
      frame.setVoiced(k, FreqSettings(kVoiced[k].centreHz + kVoiced[k].swingHz * std::sin(phase)));
      frame.voicedLevel(k) = level(kVoiced[k].level * voicing * (0.85 + 0.15 * std::cos(phase)));
      frame.setUnvoiced(
          k, FreqSettings(kUnvoiced[k].centreHz + kUnvoiced[k].swingHz * std::cos(phase * 0.7)));
      frame.unvoicedLevel(k) = level(kUnvoiced[k].level * (1.0 - voicing) + 6);
    }
  }
  return document;
}

}  // namespace fseq
