#pragma once

#include <string>

#include "editor/midi/clock.h"
#include "editor/midi/midi_input.h"
#include "editor/midi/midi_output.h"

namespace fseq {

// What the upload window takes from outside: the input and output devices,
// the clock its paced sequences wait on, and why there are no devices when
// the machine's MIDI system could not be opened.
class MidiDeviceProvider {
 public:
  virtual ~MidiDeviceProvider() = default;
  virtual TMidiInput& input() = 0;
  virtual TMidiOutput& output() = 0;
  virtual Clock& clock() = 0;
  virtual std::string problem() const = 0;
};

// The machine's devices (MidiInput(), MidiOutput()) and clock, unless a
// ScopedMidiDevices has put others in their place.
MidiDeviceProvider& currentMidiDevices();

// Puts other devices (test doubles) in place of the machine's while it lives.
class ScopedMidiDevices {
 public:
  explicit ScopedMidiDevices(MidiDeviceProvider& devices);
  ~ScopedMidiDevices();
  ScopedMidiDevices(const ScopedMidiDevices&) = delete;
  ScopedMidiDevices& operator=(const ScopedMidiDevices&) = delete;

 private:
  MidiDeviceProvider* previous_;
};

}  // namespace fseq
