#include "editor/plots/level_scaling.h"

#include <algorithm>

#include "editor/model/rounding.h"

namespace fseq {

namespace {

constexpr std::int32_t kMaxLevel = 127;

// Applies scale to every checked level of frames start … end.
template <typename Scale>
void scaleCheckedLevels(FrameArray& frames, FrameRange range, const CurveSelection& selection,
                        Scale scale) {
  for (int f = range.start; f <= range.end; ++f) {
    FseqFrame& frame = frames[f - 1];
    for (int k = 0; k < kFormantCount; ++k) {
      if (selection.voicedLevel[k]) frame.voicedLevel(k) = scale(frame.voicedLevel(k));
      if (selection.unvoicedLevel[k]) frame.unvoicedLevel(k) = scale(frame.unvoicedLevel(k));
    }
  }
}

std::int32_t rounded(double value) {
  return static_cast<std::int32_t>(roundHalfEven(value));
}

}  // namespace

bool maximizeLevel(FrameArray& frames, FrameRange range, const CurveSelection& selection) {
  std::int32_t peak = 0;
  for (int f = range.start; f <= range.end; ++f) {
    const FseqFrame& frame = frames[f - 1];
    for (int k = 0; k < kFormantCount; ++k) {
      peak = std::max({peak, frame.voicedLevel(k), frame.unvoicedLevel(k)});
    }
  }
  if (peak == 0) return false;
  scaleCheckedLevels(frames, range, selection, [peak](std::int32_t level) {
    return rounded(static_cast<double>(level) * kMaxLevel / peak);
  });
  return true;
}

void reduceLevel(FrameArray& frames, FrameRange range, int percent,
                 const CurveSelection& selection) {
  scaleCheckedLevels(frames, range, selection, [percent](std::int32_t level) {
    return rounded(static_cast<double>(level) * percent / 100);
  });
  for (FseqFrame& frame : frames) {
    for (int k = 0; k < kFormantCount; ++k) {
      frame.voicedLevel(k) = std::min(frame.voicedLevel(k), kMaxLevel);
      frame.unvoicedLevel(k) = std::min(frame.unvoicedLevel(k), kMaxLevel);
    }
  }
}

}  // namespace fseq
