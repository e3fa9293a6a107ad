#include "editor/plots/time_edits.h"

#include <algorithm>

#include "editor/model/rounding.h"

namespace fseq {

namespace {

FseqFrame& at(FrameArray& frames, int number) {
  return frames[static_cast<std::size_t>(number - 1)];
}

// Frames from `from` … 512 become copies of frame from − 1.
void repeatBefore(FrameArray& frames, int from) {
  for (int f = from; f <= kMaxFrames; ++f) at(frames, f) = at(frames, from - 1);
}

}  // namespace

void deleteSection(FrameArray& frames, FrameRange range) {
  const int n = range.end - range.start;
  if (n <= 0) return;
  for (int f = range.start; f <= kMaxFrames - n; ++f) at(frames, f) = at(frames, f + n);
  repeatBefore(frames, kMaxFrames - n + 1);
}

void smearRight(FrameArray& frames, FrameRange range) {
  const int n = range.end - range.start;
  if (n <= 0) return;
  for (int f = kMaxFrames - n; f >= range.start; --f) at(frames, f + n) = at(frames, f);
  for (int f = range.start + 1; f <= range.end; ++f) at(frames, f) = at(frames, range.start);
}

int expandSection(FseqDocument& document, FrameRange range, int factor) {
  document.frameCount = kMaxFrames;
  const int n = range.end - range.start;
  if (n <= 0) return range.end;
  FrameArray& frames = document.frames;
  const int shift = n * (factor - 1);
  if (shift < kMaxFrames && range.end <= kMaxFrames - shift) {
    for (int g = kMaxFrames - shift; g >= range.end; --g) at(frames, g + shift) = at(frames, g);
  }
  const int stretched = n * factor;
  // Going down from the far end, every frame read lies below the frames
  // already written; what would land beyond frame 512 is dropped.
  for (int k = stretched; k >= 1; --k) {
    if (range.start + k > kMaxFrames) continue;
    at(frames, range.start + k) = at(frames, range.start + k / factor);
  }
  return std::min(range.start + stretched, kMaxFrames);
}

int compressSection(FrameArray& frames, FrameRange range, int factor) {
  const int n = range.end - range.start;
  if (n <= 0) return range.end;
  if (n <= factor) return range.start;
  for (int k = factor; k <= n; ++k) {
    const auto target = static_cast<int>(roundHalfEven(static_cast<double>(k) / factor));
    at(frames, range.start + target) = at(frames, range.start + k);
  }
  const auto d = static_cast<int>(roundHalfEven(static_cast<double>(n) * (factor - 1) / factor));
  for (int g = range.end; g <= kMaxFrames; ++g) at(frames, g - d) = at(frames, g);
  repeatBefore(frames, kMaxFrames - d + 1);
  return range.end - d;
}

}  // namespace fseq
