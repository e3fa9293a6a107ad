#include "editor/import/import_files.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>

#include "editor/model/errors.h"
#include "editor/model/file_io.h"

namespace fseq {

namespace {

// A spectrum export or slice log is a few tens of kilobytes.
constexpr std::size_t kMaxSpectrumFileBytes = 16 * 1024 * 1024;

}  // namespace

SpectrumPoints readSpectrumFile(const std::filesystem::path& file, SpectrumSource source) {
  const std::vector<std::uint8_t> bytes = readWholeFile(file, kMaxSpectrumFileBytes);
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  try {
    return source == SpectrumSource::Audacity ? readAudacitySpectrum(text)
                                              : readSliceLogSpectrum(text);
  } catch (const FormatError& error) {
    throw FileError(file, error.what());
  }
}

MapLog readMapLogFile(const std::filesystem::path& file, double seconds) {
  if (std::filesystem::is_directory(file)) throw FileError(file, std::strerror(EISDIR));
  std::ifstream in(file, std::ios::binary);
  if (!in) throw FileError(file, std::strerror(errno));
  try {
    return readMapLog(in, seconds);
  } catch (const FormatError& error) {
    throw FileError(file, error.what());
  }
}

}  // namespace fseq
