#pragma once

#include <array>
#include <cstdint>

namespace fseq {

// Level scaling applied when a dump is built and when the plots draw level
// curves; it never changes the frames themselves. Voiced formants 1 … 8 each
// have their own percentage (0 … 100), all unvoiced formants share one
// (0 … 150).
struct UploadMixer {
  static constexpr std::int32_t kMaxVoicedPercent = 100;
  static constexpr std::int32_t kMaxUnvoicedPercent = 150;

  std::array<std::int32_t, 8> voicedPercent{100, 100, 100, 100, 100, 100, 100, 100};
  std::int32_t unvoicedPercent = 100;

  void reset() { *this = UploadMixer{}; }

  friend bool operator==(const UploadMixer&, const UploadMixer&) = default;
};

}  // namespace fseq
