#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>

#include "analyzer/audio/wave_error.h"

namespace tolk {

// Writes a wave file through a temporary file next to the target ("NAME.part"),
// which replaces the target only when finish() succeeds: a failed write never
// destroys the previous file. The header is written first (its sizes may be
// provisional) and written again, with the final sizes, by finish().
// Abandoning a writer without finish() removes the temporary file.
class WaveFileWriter {
 public:
  // Fails with "Cannot Open File" when the temporary file cannot be created
  // or the header cannot be written.
  static WaveResult<WaveFileWriter> create(const std::filesystem::path& target,
                                           std::span<const std::uint8_t> header);
  WaveFileWriter(WaveFileWriter&& other) noexcept;
  WaveFileWriter& operator=(WaveFileWriter&&) = delete;
  ~WaveFileWriter();

  // False when the bytes could not be written.
  bool append(std::span<const std::uint8_t> bytes);
  std::uint64_t dataBytes() const { return dataBytes_; }

  // Writes finalHeader (the length of the first header) at offset 0, closes
  // the file and renames it over the target.
  std::optional<WaveError> finish(std::span<const std::uint8_t> finalHeader);

  static std::filesystem::path temporaryPathFor(const std::filesystem::path& target);

 private:
  WaveFileWriter(std::FILE* file, std::filesystem::path target);
  void abandon();

  std::FILE* file_;
  std::filesystem::path target_;
  std::uint64_t dataBytes_ = 0;
};

}  // namespace tolk
