#pragma once

#include <array>
#include <cstdint>

namespace tolk {

struct ColorPoint {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  bool operator==(const ColorPoint&) const = default;
};

// The colours Tolk draws with: points 0 ... 12 spread over the level range,
// then Background, Signal 1, Signal 2, Freq Mark and Text.
struct ColorScale {
  static constexpr int kLevelPoints = 13;
  static constexpr int kBackground = 13;
  static constexpr int kSignal1 = 14;
  static constexpr int kSignal2 = 15;
  static constexpr int kFreqMark = 16;
  static constexpr int kText = 17;

  std::array<ColorPoint, 18> points{};

  bool operator==(const ColorScale&) const = default;
};

enum class PaletteChoice { CB, BW, User };

// The fixed colour ramp "CB" and the grey ramp "BW".
ColorScale cbColorScale();
ColorScale bwColorScale();

// The active colours for a palette choice; the User palette is the one the
// user edited (a copy of CB until then).
ColorScale loadPalette(PaletteChoice choice, const ColorScale& user);

}  // namespace tolk
