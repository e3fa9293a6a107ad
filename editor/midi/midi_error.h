#pragma once

#include <stdexcept>

namespace fseq {

// A failure of the MIDI layer: a device the system refuses, an index outside
// the device list, or a SysEx text that cannot be sent. The message is meant
// for the user as it stands.
class MidiError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace fseq
