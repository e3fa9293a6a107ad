// Feeds arbitrary files to the float converter; whatever it writes must read
// back as a 24-bit file with three bytes for every four of the source.
#include <cstddef>
#include <cstdint>

#include "analyzer/audio/wave_conversion.h"
#include "analyzer/audio/wave_header_scan.h"
#include "analyzer/audio/wave_source.h"
#include "fuzz/wave_fuzz_input.h"

using tolk::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = tolk::fuzz::writeInput(data, size);
  const auto converted = tolk::convertFloatWave(file, tolk::fuzz::scratchFolder());
  if (!converted.ok()) return 0;
  const auto source = std::get<tolk::WaveFileInfo>(tolk::scanWaveHeader({data, size}, size));
  const auto header = tolk::readWaveFileHeader(converted.value());
  const auto* info = std::get_if<tolk::WaveFileInfo>(&header);
  require(info != nullptr);
  require(info->bitsPerSample == 24);
  require(info->dataBytes == source.dataBytes / 4 * 3);
  return 0;
}
