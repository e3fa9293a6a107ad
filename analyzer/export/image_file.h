#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "analyzer/audio/wave_error.h"

namespace tolk {

// Writes an encoded image in one piece through a temporary file renamed
// over `file`, so a failed save leaves the previous file.
std::optional<WaveError> writeImageFile(const std::filesystem::path& file,
                                        const std::vector<std::uint8_t>& bytes);

}  // namespace tolk
