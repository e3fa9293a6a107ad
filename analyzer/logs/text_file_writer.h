#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>

#include "analyzer/audio/wave_error.h"

namespace tolk {

// Writes a text file through a temporary file next to the target
// ("NAME.part") that replaces the target only when finish() succeeds, so a
// failed write never destroys the previous file. Lines are written as given
// (the logs end theirs with CR LF). Abandoning the writer removes the
// temporary file.
class TextFileWriter {
 public:
  // Fails with "Cannot Open File" when the temporary file cannot be created.
  static WaveResult<TextFileWriter> create(const std::filesystem::path& target);
  TextFileWriter(TextFileWriter&& other) noexcept;
  TextFileWriter& operator=(TextFileWriter&&) = delete;
  ~TextFileWriter();

  void write(std::string_view text);
  // Closes the file and renames it over the target; "Error Writing File"
  // when anything could not be written.
  std::optional<WaveError> finish();

 private:
  TextFileWriter(std::FILE* file, std::filesystem::path target);
  std::filesystem::path temporaryPath() const;

  std::FILE* file_;
  std::filesystem::path target_;
  bool failed_ = false;
};

}  // namespace tolk
