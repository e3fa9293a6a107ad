#include "analyzer/audio/wave_file_writer.h"

#include <system_error>
#include <utility>

namespace tolk {

namespace {

bool writeAll(std::FILE* file, std::span<const std::uint8_t> bytes) {
  return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

}  // namespace

std::filesystem::path WaveFileWriter::temporaryPathFor(const std::filesystem::path& target) {
  std::filesystem::path temporary = target;
  temporary += ".part";
  return temporary;
}

WaveResult<WaveFileWriter> WaveFileWriter::create(const std::filesystem::path& target,
                                                  std::span<const std::uint8_t> header) {
  std::FILE* file = std::fopen(temporaryPathFor(target).c_str(), "w+b");
  if (!file) return WaveError{wave_messages::kCannotOpenFile};
  WaveFileWriter writer(file, target);
  if (!writeAll(file, header) || std::fflush(file) != 0) {
    return WaveError{wave_messages::kCannotOpenFile};
  }
  return writer;
}

WaveFileWriter::WaveFileWriter(std::FILE* file, std::filesystem::path target)
    : file_(file), target_(std::move(target)) {}

WaveFileWriter::WaveFileWriter(WaveFileWriter&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      target_(std::move(other.target_)),
      dataBytes_(other.dataBytes_) {}

WaveFileWriter::~WaveFileWriter() {
  abandon();
}

void WaveFileWriter::abandon() {
  if (!file_) return;
  std::fclose(std::exchange(file_, nullptr));
  std::error_code ignored;
  std::filesystem::remove(temporaryPathFor(target_), ignored);
}

bool WaveFileWriter::append(std::span<const std::uint8_t> bytes) {
  // Flushed at once, so a recording cut short by a crash keeps what it had.
  if (!file_ || !writeAll(file_, bytes) || std::fflush(file_) != 0) {
    return false;
  }
  dataBytes_ += bytes.size();
  return true;
}

std::optional<WaveError> WaveFileWriter::finish(std::span<const std::uint8_t> finalHeader) {
  const WaveError failed{wave_messages::kCannotOpenFile};
  if (!file_) return failed;
  const bool written = std::fseek(file_, 0, SEEK_SET) == 0 && writeAll(file_, finalHeader) &&
                       std::fflush(file_) == 0;
  if (!written) {
    abandon();
    return failed;
  }
  const bool closed = std::fclose(std::exchange(file_, nullptr)) == 0;
  std::error_code error;
  if (closed) std::filesystem::rename(temporaryPathFor(target_), target_, error);
  if (!closed || error) {
    std::filesystem::remove(temporaryPathFor(target_), error);
    return failed;
  }
  return std::nullopt;
}

}  // namespace tolk
