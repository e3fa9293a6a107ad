#include "analyzer/display/color_scale.h"

namespace tolk {

ColorScale cbColorScale() {
  return ColorScale{{{{0, 0, 200},
                      {0, 50, 210},
                      {0, 100, 220},
                      {0, 150, 230},
                      {0, 200, 240},
                      {2, 252, 251},
                      {65, 252, 214},
                      {128, 253, 177},
                      {191, 254, 140},
                      {255, 255, 103},
                      {232, 185, 99},
                      {210, 115, 95},
                      {188, 46, 92},
                      {0, 0, 0},
                      {255, 255, 200},
                      {0, 133, 252},
                      {220, 0, 0},
                      {128, 128, 128}}}};
}

ColorScale bwColorScale() {
  ColorScale scale;
  for (int k = 0; k < ColorScale::kLevelPoints; ++k) {
    const auto grey = std::uint8_t(212 - 17 * k);
    scale.points[k] = {grey, grey, grey};
  }
  scale.points[ColorScale::kBackground] = {255, 255, 255};
  scale.points[ColorScale::kSignal1] = {96, 96, 96};
  scale.points[ColorScale::kSignal2] = {0, 0, 0};
  scale.points[ColorScale::kFreqMark] = {220, 0, 0};
  scale.points[ColorScale::kText] = {0, 0, 0};
  return scale;
}

ColorScale loadPalette(PaletteChoice choice, const ColorScale& user) {
  switch (choice) {
    case PaletteChoice::CB:
      return cbColorScale();
    case PaletteChoice::BW:
      return bwColorScale();
    case PaletteChoice::User:
      return user;
  }
  return cbColorScale();
}

}  // namespace tolk
