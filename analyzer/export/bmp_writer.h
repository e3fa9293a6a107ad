#pragma once

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "analyzer/audio/wave_error.h"

namespace tolk {

// The bytes of a 24-bit BMP file: a 58-byte header (the 14-byte file header,
// the 40-byte info header and 4 reserved bytes), then the rows bottom-up,
// blue, green, red, each padded with zero bytes to a multiple of 4.
std::vector<std::uint8_t> bmpBytes(const QImage& image);

// Writes them through a temporary file renamed over `file`.
std::optional<WaveError> writeBmp(const std::filesystem::path& file, const QImage& image);

}  // namespace tolk
