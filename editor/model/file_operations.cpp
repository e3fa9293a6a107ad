#include "editor/model/file_operations.h"

#include <string>
#include <string_view>

#include "editor/model/errors.h"
#include "editor/model/file_io.h"
#include "editor/model/file_names.h"
#include "editor/model/frame_text.h"
#include "editor/model/sysex_codec.h"

namespace fseq {

namespace {

// Neither kind of file comes anywhere near this; anything larger is refused
// before it is read into memory.
constexpr std::size_t kMaxInputBytes = 64 * 1024 * 1024;

std::span<const std::uint8_t> asBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

Report saveSyxFile(const std::filesystem::path& file, const FseqDocument& document,
                   const UploadMixer& mixer) {
  Report report;
  const DumpBuffer dump = LoadBuffers(document, mixer, report);
  writeFileAtomically(file, dump.bytes());
  addLine(report, "Text file " + displayName(file) + " saved.");
  addLine(report, "Wrote " + std::to_string(dump.frameBlock.size()) + " Bytes");
  return report;
}

Report loadSyxFile(const std::filesystem::path& file, FseqDocument& document, UploadMixer& mixer) {
  const std::vector<std::uint8_t> bytes = readWholeFile(file, kMaxInputBytes);
  try {
    return loadDump(bytes, document, mixer);
  } catch (const FormatError& error) {
    throw FileError(file, error.what());
  }
}

Report saveTextFile(const std::filesystem::path& file, const FseqDocument& document) {
  writeFileAtomically(file, asBytes(frameText(document)));
  Report report;
  addLine(report, " ");
  addLine(report, "Text file " + displayName(file) + " saved.");
  return report;
}

Report loadTextFile(const std::filesystem::path& file, FseqDocument& document) {
  const std::vector<std::uint8_t> bytes = readWholeFile(file, kMaxInputBytes);
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  try {
    return loadFrameText(text, displayName(file), document);
  } catch (const FormatError& error) {
    throw FileError(file, error.what());
  }
}

}  // namespace fseq
