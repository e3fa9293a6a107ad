#include "editor/midi/midi_instances.h"

#include <memory>

#include "editor/midi/midi_error.h"
#include "editor/midi/rtmidi_system.h"

namespace fseq {

namespace {

// Stands in for a machine where no MIDI system can be opened: no devices.
class NoMidiSystem final : public MidiSystem {
 public:
  std::vector<std::string> inputNames() override { return {}; }
  std::vector<std::string> outputNames() override { return {}; }
  std::unique_ptr<MidiInPort> openInput(const std::string& name, MidiReceiver) override {
    throw MidiError(name + ": no MIDI system");
  }
  std::unique_ptr<MidiOutPort> openOutput(const std::string& name) override {
    throw MidiError(name + ": no MIDI system");
  }
};

struct MachineMidi {
  std::string error;
  std::unique_ptr<MidiSystem> system;

  MachineMidi() {
    try {
      system = openDefaultMidiSystem("Vostrel_Fseq_Editor");
    } catch (const MidiError& failure) {
      error = failure.what();
      system = std::make_unique<NoMidiSystem>();
    }
  }
};

MachineMidi& machineMidi() {
  static MachineMidi midi;
  return midi;
}

}  // namespace

TMidiInput& MidiInput() {
  static TMidiInput input(*machineMidi().system);
  return input;
}

TMidiOutput& MidiOutput() {
  static TMidiOutput output(*machineMidi().system);
  return output;
}

const std::string& midiSystemError() {
  return machineMidi().error;
}

}  // namespace fseq
