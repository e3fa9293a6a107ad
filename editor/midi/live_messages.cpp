#include "editor/midi/live_messages.h"

#include <cstdio>
#include <string_view>

namespace fseq {

namespace {

constexpr std::string_view kParameterChange = "F043105E";
constexpr std::string_view kEnd = "F7";

std::string hex2(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(value) & 0xFF);
  return text;
}

// A parameter change: the address as written after the header, then the data.
LiveMessage message(std::string_view addressAndData, const char* label) {
  return {std::string(kParameterChange) + std::string(addressAndData) + std::string(kEnd), label};
}

// The fourteen-bit parameters (speed ratio, start offset) as two data bytes.
std::string twoBytes(int value) {
  return hex2(value / 128) + hex2(value % 128);
}

}  // namespace

int bankIndexOf(const std::string& name) {
  for (std::size_t i = 0; i < std::size(kBankNames); ++i) {
    if (name == kBankNames[i]) return static_cast<int>(i);
  }
  return -1;
}

LiveMessage partChange(int part) {
  return message("100015000" + std::to_string(part), " Part Change.");
}

LiveMessage bankSelect(int part, int bankIndex) {
  return message("3" + std::to_string(part - 1) + "000100" + hex2(bankIndex), " Bank Select.");
}

LiveMessage patchSelect(int part, int patch) {
  return message("3" + std::to_string(part - 1) + "000200" + hex2(patch - 1), " Patch Select.");
}

LiveMessage fseqBank(FseqBank bank) {
  return message(bank == FseqBank::Preset ? "1000160001" : "1000160000", " Fseq Bank.");
}

LiveMessage fseqNumber(int number) {
  return message("10001700" + hex2(number - 1), " Fseq Number.");
}

LiveMessage fseqMode(FseqMode mode) {
  return message(mode == FseqMode::Fseq ? "1000210002" : "1000210001", " Fseq Mode.");
}

LiveMessage keyOnTrig(KeyOnTrig trigger) {
  return message(trigger == KeyOnTrig::First ? "1000240000" : "1000240001", " KeyOnTrig.");
}

LiveMessage pitchMode(LivePitchMode mode) {
  return message(mode == LivePitchMode::Fseq ? "1000230000" : "1000230001", " Pitch Mode.");
}

LiveMessage speedRatio(int position) {
  return message("100018" + twoBytes(position), " Speed Ratio.");
}

LiveMessage startOffset(int position) {
  return message("10001A" + twoBytes(position), " Start Offset.");
}

void sendLiveMessage(TMidiOutput& midiOutput, int device, const LiveMessage& live,
                     const MidiLog& log) {
  midiOutput.SendSysEx(device, live.text);
  log(liveMessageLine(midiOutput.Name(device), live.text, live.label));
}

void InitializeFs1r(TMidiOutput& midiOutput, int device, const LiveSettings& settings, Clock& clock,
                    const MidiLog& log, int pauseMs) {
  std::vector<LiveMessage> messages{partChange(settings.part)};
  const bool hasPart = settings.part >= 1;
  if (hasPart) {
    messages.push_back(bankSelect(settings.part, settings.bankIndex));
    messages.push_back(patchSelect(settings.part, settings.patch));
  }
  messages.insert(messages.end(),
                  {fseqBank(settings.bank), fseqNumber(settings.number), fseqMode(settings.mode),
                   keyOnTrig(settings.trigger), pitchMode(settings.pitch),
                   speedRatio(settings.speedRatio), startOffset(settings.startOffset)});
  for (std::size_t i = 0; i < messages.size(); ++i) {
    sendLiveMessage(midiOutput, device, messages[i], log);
    if (i == 0 && !hasPart) {
      log(" --> " + midiOutput.Name(device) +
          " Bank Select. and Patch Select. left out: they need a Part Number of 1 to 4.");
    }
    if (i + 1 < messages.size()) clock.sleepMs(pauseMs);
  }
}

}  // namespace fseq
