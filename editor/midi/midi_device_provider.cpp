#include "editor/midi/midi_device_provider.h"

#include "editor/midi/midi_instances.h"

namespace fseq {

namespace {

class MachineMidiDevices final : public MidiDeviceProvider {
 public:
  TMidiInput& input() override { return MidiInput(); }
  TMidiOutput& output() override { return MidiOutput(); }
  Clock& clock() override { return clock_; }
  std::string problem() const override { return midiSystemError(); }

 private:
  SystemClock clock_;
};

MidiDeviceProvider*& replacement() {
  static MidiDeviceProvider* devices = nullptr;
  return devices;
}

}  // namespace

MidiDeviceProvider& currentMidiDevices() {
  static MachineMidiDevices machine;
  return replacement() != nullptr ? *replacement() : machine;
}

ScopedMidiDevices::ScopedMidiDevices(MidiDeviceProvider& devices) : previous_(replacement()) {
  replacement() = &devices;
}

ScopedMidiDevices::~ScopedMidiDevices() {
  replacement() = previous_;
}

}  // namespace fseq
