#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "analyzer/audio/wave_error.h"
#include "analyzer/audio/wave_file_writer.h"
#include "analyzer/audio/wave_headers.h"

namespace tolk {

// The wave file a recording writes while the capture runs: created with a
// provisional header (sizes 0, valid bits 0), the captured blocks appended as
// they come, and the sizes filled in when the capture stops. Until then the
// file is "NAME.part" next to the chosen name; a run that dies leaves it
// there with its zero sizes.
class RecordingFile {
 public:
  static WaveResult<RecordingFile> start(const std::filesystem::path& target,
                                         std::uint16_t channels, std::uint32_t sampleRateHz,
                                         std::uint16_t bitsPerSample);

  bool append(std::span<const std::uint8_t> samples) { return writer_.append(samples); }
  std::uint64_t recordedBytes() const { return writer_.dataBytes(); }

  // Writes the final sizes (count + 60 at offset 4, count at offset 64) and
  // puts the file in place.
  std::optional<WaveError> finish();

 private:
  RecordingFile(WaveFileWriter writer, ExtensibleWaveHeader header)
      : writer_(std::move(writer)), header_(header) {}

  WaveFileWriter writer_;
  ExtensibleWaveHeader header_;
};

}  // namespace tolk
