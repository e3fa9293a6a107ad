#include "editor/model/fseq_document.h"

namespace fseq {

std::uint8_t frameCountCode(std::int32_t frameCount) {
  switch (frameCount) {
    case 128:
      return 0;
    case 256:
      return 1;
    case 384:
      return 2;
    default:
      return 3;
  }
}

std::int32_t frameCountFor(std::int64_t loadedFrames) {
  if (loadedFrames >= 512) return 512;
  if (loadedFrames >= 384) return 384;
  if (loadedFrames >= 256) return 256;
  return 128;
}

}  // namespace fseq
