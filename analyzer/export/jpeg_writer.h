#pragma once

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "analyzer/audio/wave_error.h"

namespace tolk {

// How the density fields of a JPEG file are filled.
struct JpegDensity {
  enum class Unit { Pixels, Inches, Centimeters };
  Unit unit = Unit::Pixels;
  int dpi = 0;   // Inches
  int dpcm = 0;  // Centimeters: written as round(dpcm * 2.54) dots per inch

  // The dots per inch written (0 for Pixels, which keeps libjpeg's defaults).
  int dotsPerInch() const;
};

// A baseline JFIF stream of the image (RGB, `quality` 1 ... 100), collected
// in memory through a 4096-byte working buffer; nothing on failure.
std::optional<std::vector<std::uint8_t>> jpegBytes(const QImage& image, int quality,
                                                   const JpegDensity& density);

// Encodes and writes the stream through a temporary file renamed over
// `file`; "Not Enough Memory" (caption "KARN") when encoding fails.
std::optional<WaveError> writeJpeg(const std::filesystem::path& file, const QImage& image,
                                   int quality, const JpegDensity& density);

}  // namespace tolk
