#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "analyzer/logs/text_file_writer.h"

namespace tolk {

// The point log: the header for a new file, or one empty line after what an
// existing file holds, then a 44-byte row per clicked point. The rows are
// kept in a temporary copy until finish() puts it in the file's place.
class PointLogWriter {
 public:
  static WaveResult<PointLogWriter> open(const std::filesystem::path& file,
                                         const std::string& soundFilePath, int sampleRateHz,
                                         int fftSize);

  void addPoint(int timeMs, int frequencyHz, double levelDb);
  std::optional<WaveError> finish() { return file_.finish(); }

 private:
  explicit PointLogWriter(TextFileWriter file) : file_(std::move(file)) {}
  TextFileWriter file_;
};

}  // namespace tolk
