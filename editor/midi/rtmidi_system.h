#pragma once

#include <RtMidi.h>

#include <memory>
#include <string>

#include "editor/midi/midi_system.h"

namespace fseq {

// The machine's MIDI ports through RtMidi, with one RtMidi API: the ALSA
// sequencer for real devices, JACK where there is no sequencer. Ports are
// looked up by name when they are opened, since a JACK port's place in the
// list moves as clients come and go.
class RtMidiSystem final : public MidiSystem {
 public:
  // Throws MidiError when the API cannot be used on this machine.
  RtMidiSystem(RtMidi::Api api, std::string clientName);

  RtMidi::Api api() const { return api_; }

  std::vector<std::string> inputNames() override;
  std::vector<std::string> outputNames() override;
  std::unique_ptr<MidiInPort> openInput(const std::string& name, MidiReceiver receiver) override;
  std::unique_ptr<MidiOutPort> openOutput(const std::string& name) override;

 private:
  RtMidi::Api api_;
  std::string clientName_;
};

// The system the editor uses: the API named by FSEQ_MIDI_API ("alsa" or
// "jack") when set, otherwise the ALSA sequencer where the machine has one and
// JACK where it has not. Throws MidiError when neither can be used.
std::unique_ptr<RtMidiSystem> openDefaultMidiSystem(const std::string& clientName);

}  // namespace fseq
