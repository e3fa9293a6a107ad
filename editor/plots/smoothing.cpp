#include "editor/plots/smoothing.h"

#include <algorithm>
#include <functional>

#include "editor/model/rounding.h"

namespace fseq {

namespace {

constexpr int kFirstSmoothedFrame = 3;
constexpr int kLastSmoothedFrame = kMaxFrames - 2;

// Smooths one value of the frames, read and written through a getter and a
// setter; the filter runs in place over a copy h indexed by frame number.
void smoothValue(FrameArray& frames, FrameRange range, int strength,
                 const std::function<double(const FseqFrame&)>& get,
                 const std::function<void(FseqFrame&, double)>& set) {
  const double b = (100.0 - strength) / 100.0;
  const double c = (1.0 - b) / 4.0;
  const int first = std::max(range.start, kFirstSmoothedFrame);
  const int last = std::min(range.end, kLastSmoothedFrame);
  std::array<double, kMaxFrames + 1> h{};
  for (int f = 1; f <= kMaxFrames; ++f) h[f] = get(frames[f - 1]);
  for (int f = first; f <= last; ++f) {
    h[f] = b * h[f] + c * (h[f - 2] + h[f - 1] + h[f + 1] + h[f + 2]);
  }
  for (int f = first; f <= last; ++f) set(frames[f - 1], h[f]);
}

double hzOf(FreqPair pair) {
  return FreqValue2(pair.coarse, pair.fine);
}

}  // namespace

void smoothFreqs(FrameArray& frames, FrameRange range, int strength,
                 const CurveSelection& selection) {
  for (int k = 0; k < kFormantCount; ++k) {
    if (!selection.voicedFreq[k]) continue;
    smoothValue(
        frames, range, strength, [k](const FseqFrame& frame) { return hzOf(frame.voiced(k)); },
        [k](FseqFrame& frame, double hz) { frame.setVoiced(k, FreqSettings(hz)); });
  }
  for (int k = 0; k < kFormantCount; ++k) {
    if (!selection.unvoicedFreq[k]) continue;
    smoothValue(
        frames, range, strength, [k](const FseqFrame& frame) { return hzOf(frame.unvoiced(k)); },
        [k](FseqFrame& frame, double hz) { frame.setUnvoiced(k, FreqSettings(hz)); });
  }
}

void smoothLevels(FrameArray& frames, FrameRange range, int strength,
                  const CurveSelection& selection) {
  auto toLevel = [](double value) { return static_cast<std::int32_t>(roundHalfEven(value)); };
  for (int k = 0; k < kFormantCount; ++k) {
    if (!selection.voicedLevel[k]) continue;
    smoothValue(
        frames, range, strength, [k](const FseqFrame& frame) { return frame.voicedLevel(k); },
        [k, toLevel](FseqFrame& frame, double level) { frame.voicedLevel(k) = toLevel(level); });
  }
  for (int k = 0; k < kFormantCount; ++k) {
    if (!selection.unvoicedLevel[k]) continue;
    smoothValue(
        frames, range, strength, [k](const FseqFrame& frame) { return frame.unvoicedLevel(k); },
        [k, toLevel](FseqFrame& frame, double level) { frame.unvoicedLevel(k) = toLevel(level); });
  }
}

}  // namespace fseq
