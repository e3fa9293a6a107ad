#include "editor/midi/midi_output.h"

#include <array>

#include "editor/midi/midi_error.h"
#include "editor/midi/sysex_text.h"

namespace fseq {

TMidiOutput::TMidiOutput(MidiSystem& system)
    : TMidiDevices("TMidiOutput", system.outputNames()),
      system_(system),
      ports_(static_cast<std::size_t>(Count())) {}

bool TMidiOutput::IsOpen(int index) const {
  checkIndex(index);
  std::lock_guard lock(mutex_);
  return ports_[static_cast<std::size_t>(index)] != nullptr;
}

void TMidiOutput::Open(int index) {
  if (IsOpen(index)) return;
  std::unique_ptr<MidiOutPort> port = system_.openOutput(Name(index));
  std::lock_guard lock(mutex_);
  ports_[static_cast<std::size_t>(index)] = std::move(port);
}

void TMidiOutput::Close(int index) {
  checkIndex(index);
  std::unique_ptr<MidiOutPort> closing;
  {
    std::lock_guard lock(mutex_);
    closing = std::move(ports_[static_cast<std::size_t>(index)]);
  }
}

void TMidiOutput::Send(int index, std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  checkIndex(index);
  const std::array<std::uint8_t, 3> message{status, data1, data2};
  std::lock_guard lock(mutex_);
  MidiOutPort* port = ports_[static_cast<std::size_t>(index)].get();
  if (port != nullptr) port->send(std::span(message).first(shortMessageLength(status)));
}

void TMidiOutput::SendSysExStream(int index, std::span<const std::uint8_t> bytes) {
  checkIndex(index);
  std::lock_guard lock(mutex_);
  MidiOutPort* port = ports_[static_cast<std::size_t>(index)].get();
  if (port == nullptr) throw MidiError(Name(index) + ": the device is not open");
  port->send(bytes);
}

void TMidiOutput::SendSysEx(int index, std::string_view text) {
  SendSysExStream(index, StrToSysExStream(text));
}

std::size_t shortMessageLength(std::uint8_t status) {
  switch (status & 0xF0) {
    case 0xC0:  // program change
    case 0xD0:  // channel pressure
      return 2;
    case 0xF0:
      break;
    default:
      return 3;
  }
  switch (status) {
    case 0xF1:  // time code quarter frame
    case 0xF3:  // song select
      return 2;
    case 0xF2:  // song position
      return 3;
    default:
      return 1;
  }
}

}  // namespace fseq
