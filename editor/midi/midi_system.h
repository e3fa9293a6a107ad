#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

// What the device classes need from a MIDI system: the names of its ports and
// connections to one of them. The real system is RtMidi (ALSA or JACK); tests
// use in-process doubles.
namespace fseq {

// An open connection to an output port; closed when destroyed.
class MidiOutPort {
 public:
  virtual ~MidiOutPort() = default;
  // One complete short message or one SysEx message or piece of one.
  virtual void send(std::span<const std::uint8_t> bytes) = 0;
};

// An open connection to an input port; closed when destroyed, after which
// the receiver is no longer called.
class MidiInPort {
 public:
  virtual ~MidiInPort() = default;
};

// Called on the system's own thread with each message received: a short
// message, or a SysEx message or part of one.
using MidiReceiver = std::function<void(std::span<const std::uint8_t> bytes)>;

class MidiSystem {
 public:
  virtual ~MidiSystem() = default;
  virtual std::vector<std::string> inputNames() = 0;
  virtual std::vector<std::string> outputNames() = 0;
  // Both throw MidiError when the port is gone or the system refuses it.
  virtual std::unique_ptr<MidiInPort> openInput(const std::string& name, MidiReceiver receiver) = 0;
  virtual std::unique_ptr<MidiOutPort> openOutput(const std::string& name) = 0;
};

}  // namespace fseq
