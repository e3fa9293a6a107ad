#pragma once

#include <string>
#include <vector>

#include "editor/midi/clock.h"
#include "editor/midi/midi_log_lines.h"
#include "editor/midi/midi_output.h"

// The FS1R parameter-change messages of the "Live Settings" group, as the
// hexadecimal text that is sent and the label the log shows after it.
namespace fseq {

struct LiveMessage {
  std::string text;
  const char* label;
};

// The banks of the "Bank (Select B)" list; a bank's message carries its index.
inline constexpr const char* kBankNames[] = {"Off",    "Internal", "Bank A", "Bank B", "Bank C",
                                             "Bank D", "Bank E",   "Bank F", "Bank G", "Bank H",
                                             "Bank I", "Bank J",   "Bank K"};
// The index of a bank's name in kBankNames, or −1 for a name that is not there.
int bankIndexOf(const std::string& name);

enum class FseqBank { Preset, Internal };
enum class FseqMode { Fseq, Scratch };
enum class KeyOnTrig { First, All };
enum class LivePitchMode { Fseq, Fixed };

LiveMessage partChange(int part);
LiveMessage bankSelect(int part, int bankIndex);
LiveMessage patchSelect(int part, int patch);
LiveMessage fseqBank(FseqBank bank);
LiveMessage fseqNumber(int number);
LiveMessage fseqMode(FseqMode mode);
LiveMessage keyOnTrig(KeyOnTrig trigger);
LiveMessage pitchMode(LivePitchMode mode);
LiveMessage speedRatio(int position);
LiveMessage startOffset(int position);

// The values of the group's controls, with their start values.
struct LiveSettings {
  int part = 1;
  int bankIndex = 3;  // "Bank B"
  int patch = 115;
  FseqBank bank = FseqBank::Preset;
  int number = 1;
  FseqMode mode = FseqMode::Fseq;
  KeyOnTrig trigger = KeyOnTrig::First;
  LivePitchMode pitch = LivePitchMode::Fseq;
  int speedRatio = 1000;
  int startOffset = 0;
};

// "Initialize FS1R": every message of the group in order (Part Change, Bank
// Select, Patch Select, Fseq Bank, Fseq Number, Fseq Mode, KeyOnTrig, Pitch
// Mode, Speed Ratio, Start Offset) to the device, each logged, with a pause
// after each but the last. Bank and Patch Select need a part, so with part 0
// they are left out and one log line says so.
void InitializeFs1r(TMidiOutput& midiOutput, int device, const LiveSettings& settings, Clock& clock,
                    const MidiLog& log, int pauseMs);

// Sends one message to the device and logs it.
void sendLiveMessage(TMidiOutput& midiOutput, int device, const LiveMessage& message,
                     const MidiLog& log);

}  // namespace fseq
