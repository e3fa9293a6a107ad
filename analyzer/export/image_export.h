#pragma once

#include <QImage>
#include <filesystem>
#include <optional>

#include "analyzer/display/axes.h"
#include "analyzer/display/color_scale.h"
#include "analyzer/export/jpeg_writer.h"

namespace tolk {

enum class ImageFormat { Bmp, Jpeg };

struct ImageExportSettings {
  ImageFormat format = ImageFormat::Jpeg;
  int targetWidth = 0;  // 0: the source width; the height keeps the proportions
  int jpegQuality = 90;
  JpegDensity density;
  LabelFont labelFont = LabelFont::Times;
};

// The format a file name asks for: ".bmp", or ".jpg"/".jpeg" (any case).
std::optional<ImageFormat> imageFormatFor(const std::filesystem::path& file);

// Resamples the composed source image to the target size, draws its axes at
// the scale target width / source width and writes the file.
std::optional<WaveError> saveAnalysisImage(const std::filesystem::path& file, const QImage& source,
                                           const AxesContext& axes, const ColorScale& colors,
                                           const ImageExportSettings& settings);

}  // namespace tolk
