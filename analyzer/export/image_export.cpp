#include "analyzer/export/image_export.h"

#include <algorithm>
#include <cctype>

#include "analyzer/dsp/rounding.h"
#include "analyzer/export/bmp_writer.h"
#include "analyzer/export/image_composition.h"

namespace tolk {

std::optional<ImageFormat> imageFormatFor(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  if (extension == ".bmp") return ImageFormat::Bmp;
  if (extension == ".jpg" || extension == ".jpeg") return ImageFormat::Jpeg;
  return std::nullopt;
}

std::optional<WaveError> saveAnalysisImage(const std::filesystem::path& file, const QImage& source,
                                           const AxesContext& axes, const ColorScale& colors,
                                           const ImageExportSettings& settings) {
  const int width = settings.targetWidth > 0 ? settings.targetWidth : source.width();
  const double scale = double(width) / source.width();
  const int height = std::max(1, roundToInt(source.height() * scale));
  QImage target = resampleBilinear(source, width, height);
  if (target.isNull()) return WaveError{"Not Enough Memory To Save Image"};
  AxesContext context = axes;
  context.imageWidth = source.width();
  drawAxes(target, context, colors, scale, settings.labelFont);
  if (settings.format == ImageFormat::Bmp) return writeBmp(file, target);
  return writeJpeg(file, target, settings.jpegQuality, settings.density);
}

}  // namespace tolk
