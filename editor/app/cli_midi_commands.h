#pragma once

#include <span>

#include "editor/app/cli_support.h"

namespace fseq {

// ports and upload: the MIDI devices and the upload to an FS1R.
std::span<const CliCommand> midiCommands();

}  // namespace fseq
