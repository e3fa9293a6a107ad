#include "analyzer/audio/wave_source.h"

#include <fstream>
#include <system_error>
#include <vector>

namespace tolk {

WaveHeaderRead readWaveFileHeader(const std::filesystem::path& file) {
  std::error_code error;
  const std::uint64_t fileBytes = std::filesystem::file_size(file, error);
  std::ifstream in(file, std::ios::binary);
  if (error || !in) return WaveSourceFailure::CannotOpen;
  std::vector<std::uint8_t> head(kWaveHeaderSearchBytes);
  in.read(reinterpret_cast<char*>(head.data()), std::streamsize(head.size()));
  head.resize(std::size_t(in.gcount()));
  const auto scan = scanWaveHeader(head, fileBytes);
  if (const auto* info = std::get_if<WaveFileInfo>(&scan)) return *info;
  return std::get<WaveHeaderScanFailure>(scan);
}

}  // namespace tolk
