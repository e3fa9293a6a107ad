#pragma once

#include "editor/plots/curve_selection.h"
#include "editor/plots/frame_range.h"

// "Smooth Freqs" and "Smooth Levels": a five-frame filter run in place over
// frames max(start, 3) … min(end, 510), h[f] = b × h[f] + c × (h[f − 2] +
// h[f − 1] + h[f + 1] + h[f + 2]) with b = (100 − strength) / 100 and
// c = (1 − b) / 4, so a constant curve stays as it is. Frames 1, 2, 511 and
// 512 are never changed.
namespace fseq {

inline constexpr int kMinSmoothStrength = 20;
inline constexpr int kMaxSmoothStrength = 99;

// Smooths the frequency (in Hz) of every checked voiced and unvoiced formant.
void smoothFreqs(FrameArray& frames, FrameRange range, int strength,
                 const CurveSelection& selection);

// Smooths every checked voiced and unvoiced level, rounding each result.
void smoothLevels(FrameArray& frames, FrameRange range, int strength,
                  const CurveSelection& selection);

}  // namespace fseq
