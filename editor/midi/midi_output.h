#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string_view>
#include <vector>

#include "editor/midi/midi_devices.h"
#include "editor/midi/midi_system.h"

namespace fseq {

// The output devices. Sending is safe from the window's thread and the MIDI
// input thread at once (the thru path sends from there).
class TMidiOutput final : public TMidiDevices {
 public:
  explicit TMidiOutput(MidiSystem& system);

  bool IsOpen(int index) const override;
  void Open(int index) override;
  void Close(int index) override;

  // A short message: as many of the data bytes as the status calls for. A
  // device that is not open is left alone.
  void Send(int index, std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
  // One SysEx message (or piece of one) as it stands; the device must be open.
  void SendSysExStream(int index, std::span<const std::uint8_t> bytes);
  // The bytes of a hexadecimal text (StrToSysExStream), refused before
  // anything is sent when the text is malformed.
  void SendSysEx(int index, std::string_view text);

 private:
  MidiSystem& system_;
  mutable std::mutex mutex_;
  std::vector<std::unique_ptr<MidiOutPort>> ports_;
};

// The number of bytes of a short message with this status byte.
std::size_t shortMessageLength(std::uint8_t status);

}  // namespace fseq
