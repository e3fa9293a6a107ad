#include "analyzer/export/image_composition.h"

#include <QPainter>
#include <algorithm>

namespace tolk {

QImage composeEntireImage(const TimeFrequencyImage& image, const FileAnalysis& analysis) {
  const int width = analysis.grid.columnCount + analysis.layout.imageLeft;
  const int height = analysis.layout.imageHeight;
  const QImage& bitmap = image.image();
  if (!analysis.dual()) {
    return bitmap.copy(0, image.channelTop(analysis.shownChannel()), width, height);
  }
  QImage both(2 * width, height, QImage::Format_RGB32);
  QPainter painter(&both);
  painter.drawImage(0, 0, bitmap.copy(0, image.channelTop(0), width, height));
  painter.drawImage(width, 0, bitmap.copy(0, image.channelTop(1), width, height));
  return both;
}

QImage resampleBilinear(const QImage& source, int targetWidth, int targetHeight) {
  const QImage input = source.convertToFormat(QImage::Format_RGB32);
  QImage target(targetWidth, targetHeight, QImage::Format_RGB32);
  const int lastColumn = input.width() - 1;
  const int lastRow = input.height() - 1;
  const double sx = targetWidth > 1 ? double(lastColumn) / (targetWidth - 1) : 0;
  const double sy = targetHeight > 1 ? double(lastRow) / (targetHeight - 1) : 0;
  for (int y = 0; y < targetHeight; ++y) {
    const double sourceY = y * sy;
    const int r0 = std::min(int(sourceY), lastRow);
    const int r1 = r0 < lastRow ? r0 + 1 : r0;
    const double fy = sourceY - r0;
    const auto* row0 = reinterpret_cast<const QRgb*>(input.constScanLine(r0));
    const auto* row1 = reinterpret_cast<const QRgb*>(input.constScanLine(r1));
    auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
    for (int x = 0; x < targetWidth; ++x) {
      const double sourceX = x * sx;
      const int c0 = std::min(int(sourceX), lastColumn);
      const int c1 = c0 < lastColumn ? c0 + 1 : c0;
      const double fx = sourceX - c0;
      int bytes[3];
      for (int b = 0; b < 3; ++b) {
        const int shift = 8 * b;
        const auto p = [shift](QRgb pixel) { return double((pixel >> shift) & 0xFF); };
        const double g = p(row0[c0]) + (p(row1[c0]) - p(row0[c0])) * fy;
        const double h = p(row0[c1]) + (p(row1[c1]) - p(row0[c1])) * fy;
        bytes[b] = int(g + (h - g) * fx);
      }
      out[x] = qRgb(bytes[2], bytes[1], bytes[0]);
    }
  }
  return target;
}

}  // namespace tolk
