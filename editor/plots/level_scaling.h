#pragma once

#include "editor/plots/curve_selection.h"
#include "editor/plots/frame_range.h"

// "Maximize Level" and "Reduce Level" over frames start … end, on the checked
// levels only.
namespace fseq {

inline constexpr int kMaxReducePercent = 120;

// Scales the checked levels so that the loudest of all sixteen levels in the
// range becomes 127: level × 127 / peak, rounded. Returns false and changes
// nothing when every level in the range is 0 (there is nothing to scale).
bool maximizeLevel(FrameArray& frames, FrameRange range, const CurveSelection& selection);

// Scales the checked levels by percent / 100, rounded; then every level of
// 128 or more in all 512 frames becomes 127 (the percentage may be above 100).
void reduceLevel(FrameArray& frames, FrameRange range, int percent,
                 const CurveSelection& selection);

}  // namespace fseq
