#pragma once

#include <array>
#include <cstdint>

#include "editor/model/fseq_frame.h"
#include "editor/model/fseq_settings.h"

namespace fseq {

inline constexpr int kMaxFrames = 512;

// The one formant sequence the editor works on. All 512 frames always exist,
// also when frameCount is smaller; frames are numbered 1 … 512.
struct FseqDocument {
  std::array<FseqFrame, kMaxFrames> frames{};
  std::array<FseqFrame, kMaxFrames> undoFrames{};
  std::int32_t frameCount = kMaxFrames;  // 128, 256, 384 or 512
  std::int32_t currentFrame = 1;
  std::int32_t importedFrame = 0;  // the frame the last spectrum import filled; 0 for none
  FseqSettings settings;

  FseqFrame& frame(int number) { return frames.at(static_cast<std::size_t>(number - 1)); }
  const FseqFrame& frame(int number) const {
    return frames.at(static_cast<std::size_t>(number - 1));
  }
};

// The frame count code of a dump: 0 for 128 frames, 1 for 256, 2 for 384 and
// 3 for 512 or any other count.
std::uint8_t frameCountCode(std::int32_t frameCount);

// The frame count a number of loaded frames gives: the largest of 128, 256,
// 384 and 512 that is not above it, and 128 below that.
std::int32_t frameCountFor(std::int64_t loadedFrames);

}  // namespace fseq
