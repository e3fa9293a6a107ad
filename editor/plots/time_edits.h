#pragma once

#include "editor/plots/frame_range.h"

// The section operations that move whole frames in time: "Delete Section",
// "Smear Right", "Expand" and "Compress". Each does nothing to the frames
// when end ≤ start. Frames are numbered 1 … 512; whatever would move beyond
// frame 512 is dropped.
namespace fseq {

inline constexpr int kMinStretchFactor = 2;
inline constexpr int kMaxStretchFactor = 10;

// Removes frames start … end − 1, so frame end moves to start; the last
// end − start frames become copies of the frame now before them.
void deleteSection(FrameArray& frames, FrameRange range);

// Repeats frame start end − start more times, pushing the frames after it to
// the right.
void smearRight(FrameArray& frames, FrameRange range);

// Stretches frames start … end to start … start + (end − start) × factor,
// each frame repeated factor times, and moves the frames after end to the
// right. The frame count becomes 512 (also for an empty range). Returns the
// new end of the selection, at most 512.
int expandSection(FseqDocument& document, FrameRange range, int factor);

// Squeezes frames start … end by factor, closing up the frames after them.
// Returns the new end of the selection (start when the range is no longer
// than factor, in which case no frame moves).
int compressSection(FrameArray& frames, FrameRange range, int factor);

}  // namespace fseq
