#include "analyzer/logs/text_file_writer.h"

#include <system_error>
#include <utility>

namespace tolk {

namespace {

constexpr const char* kErrorWritingFile = "Error Writing File";

std::filesystem::path partPath(const std::filesystem::path& target) {
  std::filesystem::path part = target;
  part += ".part";
  return part;
}

}  // namespace

WaveResult<TextFileWriter> TextFileWriter::create(const std::filesystem::path& target) {
  std::FILE* file = std::fopen(partPath(target).c_str(), "wb");
  if (!file) return WaveError{wave_messages::kCannotOpenFile};
  return TextFileWriter(file, target);
}

TextFileWriter::TextFileWriter(std::FILE* file, std::filesystem::path target)
    : file_(file), target_(std::move(target)) {}

TextFileWriter::TextFileWriter(TextFileWriter&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      target_(std::move(other.target_)),
      failed_(other.failed_) {}

TextFileWriter::~TextFileWriter() {
  if (!file_) return;
  std::fclose(file_);
  std::error_code ignored;
  std::filesystem::remove(temporaryPath(), ignored);
}

std::filesystem::path TextFileWriter::temporaryPath() const {
  return partPath(target_);
}

void TextFileWriter::write(std::string_view text) {
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
    failed_ = true;
  }
}

std::optional<WaveError> TextFileWriter::finish() {
  const bool closed = std::fclose(std::exchange(file_, nullptr)) == 0;
  std::error_code error;
  if (failed_ || !closed) {
    std::filesystem::remove(temporaryPath(), error);
    return WaveError{kErrorWritingFile};
  }
  std::filesystem::rename(temporaryPath(), target_, error);
  if (error) {
    std::filesystem::remove(temporaryPath(), error);
    return WaveError{wave_messages::kCannotOpenFile};
  }
  return std::nullopt;
}

}  // namespace tolk
