#include "editor/midi/dump_upload.h"

#include <algorithm>

namespace fseq {

void UploadDump(TMidiOutput& midiOutput, std::span<const int> outputs, const DumpBuffer& dump,
                Clock& clock, const MidiLog& log, int pauseMs) {
  const std::vector<std::uint8_t> bytes = dump.bytes();
  for (int index : outputs) {
    const std::string& name = midiOutput.Name(index);
    log(headerBlockLine(name));
    for (std::size_t sent = 0; sent < bytes.size();) {
      const std::size_t count = std::min(kUploadPieceBytes, bytes.size() - sent);
      midiOutput.SendSysExStream(index, std::span(bytes).subspan(sent, count));
      sent += count;
      const std::size_t frameBytesSent = sent - kHeaderBlockSize;
      if (count == kUploadPieceBytes) {
        log(dataBlockLine(name, frameBytesSent + 1));
        clock.sleepMs(pauseMs);
      } else {
        log(dataBlockLine(name, frameBytesSent));
      }
    }
  }
}

}  // namespace fseq
