#pragma once

#include <cstdint>
#include <filesystem>
#include <variant>

#include "analyzer/audio/wave_file_info.h"
#include "analyzer/audio/wave_header_scan.h"

namespace tolk {

enum class WaveSourceFailure { CannotOpen };

// Opens a wave file and scans its header (see scanWaveHeader).
using WaveHeaderRead = std::variant<WaveFileInfo, WaveHeaderScanFailure, WaveSourceFailure>;
WaveHeaderRead readWaveFileHeader(const std::filesystem::path& file);

}  // namespace tolk
