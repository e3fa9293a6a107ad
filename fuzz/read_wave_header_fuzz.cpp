// Feeds arbitrary files to readWaveHeader for every reader, then checks that
// an accepted header describes data inside the file in a format the analysis
// handles, and that the header scan of the bytes agrees.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "analyzer/audio/read_wave_header.h"
#include "analyzer/audio/wave_header_scan.h"
#include "fuzz/wave_fuzz_input.h"

using tolk::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto scan = tolk::scanWaveHeader({data, size}, size);
  if (const auto* info = std::get_if<tolk::WaveFileInfo>(&scan)) {
    require(std::uint64_t(info->dataOffset) + info->dataBytes <=
            std::max<std::uint64_t>(size, info->dataOffset));
  }

  const auto file = tolk::fuzz::writeInput(data, size);
  for (const auto reader : {tolk::WaveReader::ScanFile, tolk::WaveReader::AnalyzeFile,
                            tolk::WaveReader::CalibrationTone}) {
    const auto result = tolk::readWaveHeader(file, reader, tolk::fuzz::scratchFolder());
    if (!result.ok()) {
      require(!result.error().message.empty());
      continue;
    }
    const tolk::WaveFileInfo& info = result.value().info;
    require(std::uint64_t(info.dataOffset) + info.dataBytes <=
            std::max<std::uint64_t>(info.fileBytes, info.dataOffset));
    if (reader == tolk::WaveReader::CalibrationTone) continue;
    require(info.bitsPerSample == 16 || info.bitsPerSample == 24);
    require(info.channels == 1 || info.channels == 2);
    require(info.sampleRateHz > 0);
  }
  return 0;
}
