#include "editor/midi/loopback_midi_system.h"

#include "editor/midi/midi_error.h"

namespace fseq {

class LoopbackMidiSystem::InPort final : public MidiInPort {
 public:
  explicit InPort(std::shared_ptr<Input> input) : input_(std::move(input)) {}
  ~InPort() override {
    std::lock_guard lock(input_->mutex);
    input_->receiver = nullptr;
  }

 private:
  std::shared_ptr<Input> input_;
};

class LoopbackMidiSystem::OutPort final : public MidiOutPort {
 public:
  OutPort(LoopbackMidiSystem& system, std::string name) : system_(system), name_(std::move(name)) {}
  ~OutPort() override {
    std::lock_guard lock(system_.mutex_);
    system_.outputs_.at(name_).open = false;
  }
  void send(std::span<const std::uint8_t> bytes) override { system_.sent(name_, bytes); }

 private:
  LoopbackMidiSystem& system_;
  std::string name_;
};

void LoopbackMidiSystem::addInput(const std::string& name) {
  std::lock_guard lock(mutex_);
  inputOrder_.push_back(name);
  inputs_[name] = std::make_shared<Input>();
}

void LoopbackMidiSystem::addOutput(const std::string& name, Device device) {
  std::lock_guard lock(mutex_);
  outputOrder_.push_back(name);
  outputs_[name].device = std::move(device);
}

void LoopbackMidiSystem::addLoopback(const std::string& name) {
  addInput(name);
  addOutput(name);
  std::lock_guard lock(mutex_);
  outputs_[name].loopsTo = name;
}

void LoopbackMidiSystem::refuse(const std::string& name, std::string message) {
  std::lock_guard lock(mutex_);
  refusals_[name] = std::move(message);
}

void LoopbackMidiSystem::inject(const std::string& name, std::span<const std::uint8_t> bytes) {
  std::shared_ptr<Input> input;
  {
    std::lock_guard lock(mutex_);
    input = inputs_.at(name);
  }
  std::lock_guard lock(input->mutex);
  if (input->receiver) input->receiver(bytes);
}

bool LoopbackMidiSystem::inputOpen(const std::string& name) const {
  std::shared_ptr<Input> input;
  {
    std::lock_guard lock(mutex_);
    input = inputs_.at(name);
  }
  std::lock_guard lock(input->mutex);
  return static_cast<bool>(input->receiver);
}

bool LoopbackMidiSystem::outputOpen(const std::string& name) const {
  std::lock_guard lock(mutex_);
  return outputs_.at(name).open;
}

std::vector<std::vector<std::uint8_t>> LoopbackMidiSystem::sentTo(const std::string& output) const {
  std::lock_guard lock(mutex_);
  return outputs_.at(output).sent;
}

std::vector<std::string> LoopbackMidiSystem::inputNames() {
  std::lock_guard lock(mutex_);
  return inputOrder_;
}

std::vector<std::string> LoopbackMidiSystem::outputNames() {
  std::lock_guard lock(mutex_);
  return outputOrder_;
}

void LoopbackMidiSystem::checkRefused(const std::string& name) const {
  std::lock_guard lock(mutex_);
  const auto refusal = refusals_.find(name);
  if (refusal != refusals_.end()) throw MidiError(refusal->second);
}

std::unique_ptr<MidiInPort> LoopbackMidiSystem::openInput(const std::string& name,
                                                          MidiReceiver receiver) {
  checkRefused(name);
  std::shared_ptr<Input> input;
  {
    std::lock_guard lock(mutex_);
    input = inputs_.at(name);
  }
  std::lock_guard lock(input->mutex);
  input->receiver = std::move(receiver);
  return std::make_unique<InPort>(input);
}

std::unique_ptr<MidiOutPort> LoopbackMidiSystem::openOutput(const std::string& name) {
  checkRefused(name);
  std::lock_guard lock(mutex_);
  outputs_.at(name).open = true;
  return std::make_unique<OutPort>(*this, name);
}

void LoopbackMidiSystem::sent(const std::string& name, std::span<const std::uint8_t> bytes) {
  Device device;
  std::string loopsTo;
  {
    std::lock_guard lock(mutex_);
    Output& output = outputs_.at(name);
    output.sent.emplace_back(bytes.begin(), bytes.end());
    device = output.device;
    loopsTo = output.loopsTo;
  }
  if (device) device(bytes);
  if (!loopsTo.empty()) inject(loopsTo, bytes);
}

}  // namespace fseq
