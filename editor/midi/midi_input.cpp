#include "editor/midi/midi_input.h"

namespace fseq {

namespace {
constexpr std::uint8_t kSysExStart = 0xF0;
constexpr std::uint8_t kSysExEnd = 0xF7;
constexpr std::uint8_t kFirstRealTime = 0xF8;  // clock, start, stop …: may come inside SysEx

bool continuesSysEx(std::uint8_t first) {
  return first < 0x80 || first == kSysExEnd;
}
}  // namespace

TMidiInput::TMidiInput(MidiSystem& system)
    : TMidiDevices("TMidiInput", system.inputNames()),
      system_(system),
      sysExData_(static_cast<std::size_t>(Count())),
      ports_(static_cast<std::size_t>(Count())) {}

TMidiInput::~TMidiInput() {
  CloseAll();
}

bool TMidiInput::IsOpen(int index) const {
  checkIndex(index);
  return ports_[static_cast<std::size_t>(index)] != nullptr;
}

void TMidiInput::Open(int index) {
  if (IsOpen(index)) return;
  sysExData_[static_cast<std::size_t>(index)] = TSysExData{};
  ports_[static_cast<std::size_t>(index)] = system_.openInput(
      Name(index), [this, index](std::span<const std::uint8_t> bytes) { received(index, bytes); });
}

void TMidiInput::Close(int index) {
  checkIndex(index);
  ports_[static_cast<std::size_t>(index)].reset();
}

void TMidiInput::CloseAll() {
  for (auto& port : ports_) port.reset();
}

void TMidiInput::received(int device, std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return;
  TSysExData& sysEx = sysExData_[static_cast<std::size_t>(device)];
  const auto deliver = [this, device](std::span<const std::uint8_t> piece) {
    if (OnSysExData) OnSysExData(device, piece);
  };
  const std::uint8_t first = bytes[0];
  if (first == kSysExStart || (sysEx.inMessage() && continuesSysEx(first))) {
    sysEx.append(bytes, deliver);
    return;
  }
  // Any status but real time ends a SysEx message that lost its F7.
  if (sysEx.inMessage() && first < kFirstRealTime) sysEx.flush(deliver);
  if (OnMidiInput) {
    OnMidiInput(device, first, bytes.size() > 1 ? bytes[1] : 0, bytes.size() > 2 ? bytes[2] : 0);
  }
}

}  // namespace fseq
