#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "editor/midi/midi_system.h"

namespace fseq {

// An in-process MIDI system for tests. Inputs and outputs are named by the
// test; each output keeps what it was sent and may pass it to a device (a
// VirtualFs1r, say); a loopback is an output and an input of one name that
// delivers what the output is sent to the input, on the sending thread.
class LoopbackMidiSystem final : public MidiSystem {
 public:
  using Device = std::function<void(std::span<const std::uint8_t> bytes)>;

  void addInput(const std::string& name);
  void addOutput(const std::string& name, Device device = {});
  void addLoopback(const std::string& name);
  // Opening this port fails with the message, as a refusing driver would.
  void refuse(const std::string& name, std::string message);

  // Bytes arriving at an input as its driver would hand them on, on the
  // calling thread; dropped while the input is not open.
  void inject(const std::string& input, std::span<const std::uint8_t> bytes);

  bool inputOpen(const std::string& name) const;
  bool outputOpen(const std::string& name) const;
  std::vector<std::vector<std::uint8_t>> sentTo(const std::string& output) const;

  std::vector<std::string> inputNames() override;
  std::vector<std::string> outputNames() override;
  std::unique_ptr<MidiInPort> openInput(const std::string& name, MidiReceiver receiver) override;
  std::unique_ptr<MidiOutPort> openOutput(const std::string& name) override;

 private:
  struct Input {
    std::mutex mutex;  // held while the receiver runs, so closing waits for it
    MidiReceiver receiver;
  };
  struct Output {
    Device device;
    std::string loopsTo;
    bool open = false;
    std::vector<std::vector<std::uint8_t>> sent;
  };
  class InPort;
  class OutPort;

  void checkRefused(const std::string& name) const;
  void sent(const std::string& output, std::span<const std::uint8_t> bytes);

  mutable std::mutex mutex_;
  std::vector<std::string> inputOrder_;
  std::vector<std::string> outputOrder_;
  std::map<std::string, std::shared_ptr<Input>> inputs_;
  std::map<std::string, Output> outputs_;
  std::map<std::string, std::string> refusals_;
};

}  // namespace fseq
