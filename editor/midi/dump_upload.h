#pragma once

#include <cstddef>
#include <span>

#include "editor/midi/clock.h"
#include "editor/midi/midi_log_lines.h"
#include "editor/midi/midi_output.h"
#include "editor/model/sysex_codec.h"

namespace fseq {

inline constexpr std::size_t kUploadPieceBytes = 512;
inline constexpr int kUploadPauseMs = 150;

// "Upload Fseq to FS1R": the dump goes to each output in the order given,
// each output served completely before the next, as pieces of 512 bytes (the
// first holds the 41 header bytes) with a pause after every full piece and a
// shorter last piece. Logs " --> NAME Header Block" before sending and
// " --> NAME Data Block C" after each piece, C being the frame-block bytes sent
// so far, plus one after a full piece. A MidiError ends the upload there.
void UploadDump(TMidiOutput& midiOutput, std::span<const int> outputs, const DumpBuffer& dump,
                Clock& clock, const MidiLog& log, int pauseMs = kUploadPauseMs);

}  // namespace fseq
