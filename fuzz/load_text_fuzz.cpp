// Feeds arbitrary text to the frame text loader, then checks that the frames
// it read are saved as text that loads back without error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/model/errors.h"
#include "editor/model/frame_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  fseq::FseqDocument document;
  try {
    fseq::loadFrameText(text, "fuzz.txt", document);
  } catch (const fseq::FormatError&) {
    return 0;
  }
  const std::string saved = fseq::frameText(document);
  fseq::FseqDocument reloaded;
  try {
    fseq::loadFrameText(saved, "fuzz.txt", reloaded);
  } catch (const fseq::FormatError&) {
    __builtin_trap();
  }
  return 0;
}
