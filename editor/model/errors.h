#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace fseq {

// Content that cannot be read as what it claims to be; the message says where
// and why (for example "line 7: \"12,5\" is not a number").
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be read, written or understood; carries the file and the
// reason separately so each caller can word the message its own way.
class FileError : public std::runtime_error {
 public:
  FileError(std::filesystem::path file, std::string reason)
      : std::runtime_error(file.string() + ": " + reason),
        file_(std::move(file)),
        reason_(std::move(reason)) {}

  const std::filesystem::path& file() const { return file_; }
  const std::string& reason() const { return reason_; }

 private:
  std::filesystem::path file_;
  std::string reason_;
};

}  // namespace fseq
