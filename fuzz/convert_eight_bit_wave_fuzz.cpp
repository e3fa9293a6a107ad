// Feeds arbitrary files to the 8-bit converter; whatever it writes must read
// back as a 16-bit file with twice the samples' bytes.
#include <cstddef>
#include <cstdint>

#include "analyzer/audio/wave_conversion.h"
#include "analyzer/audio/wave_header_scan.h"
#include "analyzer/audio/wave_source.h"
#include "fuzz/wave_fuzz_input.h"

using tolk::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = tolk::fuzz::writeInput(data, size);
  const auto converted = tolk::convertEightBitWave(file, tolk::fuzz::scratchFolder());
  if (!converted.ok()) return 0;
  const auto source = std::get<tolk::WaveFileInfo>(tolk::scanWaveHeader({data, size}, size));
  const auto header = tolk::readWaveFileHeader(converted.value());
  const auto* info = std::get_if<tolk::WaveFileInfo>(&header);
  require(info != nullptr);
  require(info->bitsPerSample == 16);
  require(info->dataBytes == 2 * source.dataBytes);
  return 0;
}
