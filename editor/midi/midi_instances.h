#pragma once

#include <string>

#include "editor/midi/midi_input.h"
#include "editor/midi/midi_output.h"

// The editor's one input object and one output object, over the machine's MIDI
// system (openDefaultMidiSystem), made on first use and released when the
// program ends.
namespace fseq {

TMidiInput& MidiInput();
TMidiOutput& MidiOutput();

// Why the machine's MIDI system could not be opened, or empty when it was.
// Without one the device lists are empty.
const std::string& midiSystemError();

}  // namespace fseq
