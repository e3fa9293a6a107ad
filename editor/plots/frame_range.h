#pragma once

#include <array>

#include "editor/model/fseq_document.h"

namespace fseq {

// All 512 frames of a document; the section operations work on every one of
// them whatever the frame count.
using FrameArray = std::array<FseqFrame, kMaxFrames>;

// A stretch of frames start … end (numbered 1 … 512), the frames plot's
// frameA … frameB.
struct FrameRange {
  int start = 1;
  int end = kMaxFrames;

  // The range of the smoothing and level operations: a single frame selected
  // stands for the whole sequence, frames 1 … 512.
  FrameRange orWholeWhenSingle() const { return start == end ? FrameRange{1, kMaxFrames} : *this; }
};

}  // namespace fseq
