// Feeds arbitrary bytes to the ".syx" loader, then checks that whatever it
// read still builds a dump of valid MIDI data bytes.
#include <cstddef>
#include <cstdint>

#include "editor/model/errors.h"
#include "editor/model/sysex_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fseq::FseqDocument document;
  fseq::UploadMixer mixer;
  try {
    fseq::loadDump({data, size}, document, mixer);
  } catch (const fseq::FormatError&) {
    return 0;
  }
  fseq::Report report;
  const std::vector<std::uint8_t> dump = fseq::LoadBuffers(document, mixer, report).bytes();
  for (std::size_t i = 1; i + 1 < dump.size(); ++i) {
    if (dump[i] > 0x7F) __builtin_trap();
  }
  return 0;
}
