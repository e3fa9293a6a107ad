#include "analyzer/dsp/image_layout.h"

namespace tolk {

int spectrumRows(const ImageLayout& layout, DisplayMode mode) {
  const int band = layout.imageHeight - layout.timeAxisHeight;
  return mode == DisplayMode::Scroll1 ? band : band - layout.stripHeight;
}

int visibleColumns(const ImageLayout& layout, bool dual) {
  if (dual) return (layout.imageRight - 2 * layout.imageLeft) / 2;
  return layout.imageRight - layout.imageLeft;
}

double msPerColumnFor(double displayWidthSeconds, const ImageLayout& layout, bool dual) {
  const double columns = dual ? double(layout.imageRight - 2 * layout.imageLeft) / 2
                              : double(layout.imageRight - layout.imageLeft);
  const double ms = columns > 0 ? float(displayWidthSeconds * 1000 / columns) : 0.0;
  return ms == 0 ? 10.0 : ms;
}

}  // namespace tolk
