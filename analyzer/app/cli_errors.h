#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace tolk {

// Wrong use of the command line: exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The program refused a file or an operation on it: exit status 1, shown as
// "tolk-cli: FILE: message".
class FileFailure : public std::runtime_error {
 public:
  FileFailure(std::filesystem::path file, const std::string& message)
      : std::runtime_error(message), file_(std::move(file)) {}
  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
};

}  // namespace tolk
