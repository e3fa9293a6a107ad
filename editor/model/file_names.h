#pragma once

#include <filesystem>
#include <string>

namespace fseq {

// A file's name without its folder, as the labels and reports show it.
inline std::string displayName(const std::filesystem::path& file) {
  return file.filename().string();
}

// A file's name without its folder and extension ("speech.txt" gives "speech").
inline std::string nameWithoutExtension(const std::filesystem::path& file) {
  return file.stem().string();
}

}  // namespace fseq
