#pragma once

#include <QRgb>
#include <array>

#include "analyzer/display/color_scale.h"

namespace tolk {

// The 236-entry display palette: entries 0 ... 4 are colour points 17 ... 13
// (4 is the background and the colour of the lowest levels), and entries
// 5 + 20 i + j ramp from level point i towards point i + 1 in 20 steps, up to
// entry 235, halfway between points 11 and 12.
class DisplayPalette {
 public:
  static constexpr int kSize = 236;
  static constexpr int kBackground = 4;
  static constexpr int kStripEdge = 2;
  static constexpr int kWaveform = 3;

  explicit DisplayPalette(const ColorScale& scale);

  QRgb color(int index) const { return entries_[index]; }

 private:
  std::array<QRgb, kSize> entries_{};
};

}  // namespace tolk
