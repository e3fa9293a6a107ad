#include "editor/model/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include "editor/model/errors.h"

namespace fseq {

namespace {

[[noreturn]] void throwSystemError(const std::filesystem::path& file, int error) {
  throw FileError(file, std::strerror(error));
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// The permissions a new file gets: those of the file it replaces, else the
// usual ones allowed by the process's umask.
mode_t permissionsFor(const std::filesystem::path& file) {
  struct stat existing {};
  if (::stat(file.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void writeAll(int fd, std::span<const std::uint8_t> bytes, const std::filesystem::path& file) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      throwSystemError(file, errno);
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
}

}  // namespace

std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& file, std::size_t maxBytes) {
  Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throwSystemError(file, errno);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) throwSystemError(file, errno);
  if (S_ISDIR(info.st_mode)) throwSystemError(file, EISDIR);

  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  for (;;) {
    const ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      throwSystemError(file, errno);
    }
    if (got == 0) break;
    if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
      throw FileError(file, "the file is larger than " + std::to_string(maxBytes) +
                                " bytes, too large for this kind of file");
    }
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  return bytes;
}

void writeFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
  const std::filesystem::path folder =
      file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  std::string hiddenName = ".";
  hiddenName += file.filename().string();
  hiddenName += ".XXXXXX";
  std::string temporary = (folder / hiddenName).string();
  Descriptor fd(::mkstemp(temporary.data()));
  if (fd.get() < 0) throwSystemError(file, errno);

  try {
    if (::fchmod(fd.get(), permissionsFor(file)) != 0) throwSystemError(file, errno);
    writeAll(fd.get(), bytes, file);
    if (::fsync(fd.get()) != 0) throwSystemError(file, errno);
    if (::close(fd.release()) != 0) throwSystemError(file, errno);
    if (::rename(temporary.c_str(), file.c_str()) != 0) throwSystemError(file, errno);
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
}

}  // namespace fseq
