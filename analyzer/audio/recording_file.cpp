#include "analyzer/audio/recording_file.h"

#include <limits>
#include <utility>

namespace tolk {

WaveResult<RecordingFile> RecordingFile::start(const std::filesystem::path& target,
                                               std::uint16_t channels, std::uint32_t sampleRateHz,
                                               std::uint16_t bitsPerSample) {
  ExtensibleWaveHeader header;
  header.channels = channels;
  header.sampleRateHz = sampleRateHz;
  header.bitsPerSample = bitsPerSample;
  header.validBitsPerSample = 0;
  header.sizesPending = true;
  auto writer = WaveFileWriter::create(target, header.bytes());
  if (!writer.ok()) return writer.error();
  return RecordingFile(std::move(writer.value()), header);
}

std::optional<WaveError> RecordingFile::finish() {
  // The engine stops a recording long before the 32-bit sizes would overflow.
  header_.dataBytes = std::uint32_t(
      std::min<std::uint64_t>(writer_.dataBytes(), std::numeric_limits<std::uint32_t>::max() - 60));
  header_.sizesPending = false;
  return writer_.finish(header_.bytes());
}

}  // namespace tolk
