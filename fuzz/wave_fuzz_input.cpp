#include "fuzz/wave_fuzz_input.h"

#include <unistd.h>

#include <fstream>
#include <string>
#include <system_error>

namespace tolk::fuzz {

namespace {

// Removed with its files when the process ends.
class ProcessFolder {
 public:
  ProcessFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("tolk-wave-fuzz-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~ProcessFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

std::filesystem::path scratchFolder() {
  static const ProcessFolder folder;
  return folder.path();
}

std::filesystem::path writeInput(const std::uint8_t* data, std::size_t size) {
  const auto file = scratchFolder() / "input.wav";
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
  return file;
}

}  // namespace tolk::fuzz
