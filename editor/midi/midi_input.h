#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "editor/midi/midi_devices.h"
#include "editor/midi/midi_system.h"
#include "editor/midi/sysex_data.h"

namespace fseq {

// The input devices. The events are called on the MIDI system's thread: a
// short message with its status and two data bytes (0 where the message has
// fewer), SysEx in deliveries of TSysExData. Set the events before opening a
// device; their handlers must lock what they touch.
class TMidiInput final : public TMidiDevices {
 public:
  using MidiInputEvent =
      std::function<void(int device, std::uint8_t status, std::uint8_t data1, std::uint8_t data2)>;
  using SysExDataEvent = std::function<void(int device, std::span<const std::uint8_t> bytes)>;

  explicit TMidiInput(MidiSystem& system);
  ~TMidiInput() override;

  bool IsOpen(int index) const override;
  void Open(int index) override;
  // Once Close returns, no event of that device is called any more.
  void Close(int index) override;
  void CloseAll();

  MidiInputEvent OnMidiInput;
  SysExDataEvent OnSysExData;

 private:
  void received(int device, std::span<const std::uint8_t> bytes);

  MidiSystem& system_;
  std::vector<TSysExData> sysExData_;
  std::vector<std::unique_ptr<MidiInPort>> ports_;
};

}  // namespace fseq
