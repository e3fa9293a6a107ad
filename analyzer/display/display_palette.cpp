#include "analyzer/display/display_palette.h"

namespace tolk {

DisplayPalette::DisplayPalette(const ColorScale& scale) {
  const auto rgb = [](const ColorPoint& p) { return qRgb(p.red, p.green, p.blue); };
  for (int i = 0; i <= 4; ++i) entries_[i] = rgb(scale.points[17 - i]);
  for (int index = 5; index < kSize; ++index) {
    const int i = (index - 5) / 20;
    const int j = (index - 5) % 20;
    const ColorPoint& a = scale.points[i];
    const ColorPoint& b = scale.points[i + 1];
    // The value as a whole is truncated, so falling components round down too.
    const auto step = [j](int from, int to) { return int(from + (to - from) * j / 20.0); };
    entries_[index] = qRgb(step(a.red, b.red), step(a.green, b.green), step(a.blue, b.blue));
  }
}

}  // namespace tolk
