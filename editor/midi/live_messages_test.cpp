#include "editor/midi/live_messages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor/midi/loopback_midi_system.h"
#include "editor/midi/manual_clock.h"
#include "editor/midi/sysex_text.h"
#include "editor/midi/virtual_fs1r.h"

namespace fseq {
namespace {

using ::testing::ElementsAre;

TEST(LiveMessages, TextsAndLabels) {
  const struct {
    LiveMessage message;
    const char* text;
    const char* label;
  } cases[] = {
      {partChange(2), "F043105E1000150002F7", " Part Change."},
      {partChange(0), "F043105E1000150000F7", " Part Change."},
      {bankSelect(2, bankIndexOf("Bank B")), "F043105E3100010003F7", " Bank Select."},
      {bankSelect(4, bankIndexOf("Bank K")), "F043105E330001000CF7", " Bank Select."},
      {patchSelect(2, 115), "F043105E3100020072F7", " Patch Select."},
      {patchSelect(1, 1), "F043105E3000020000F7", " Patch Select."},
      {fseqBank(FseqBank::Preset), "F043105E1000160001F7", " Fseq Bank."},
      {fseqBank(FseqBank::Internal), "F043105E1000160000F7", " Fseq Bank."},
      {fseqNumber(90), "F043105E1000170059F7", " Fseq Number."},
      {fseqMode(FseqMode::Fseq), "F043105E1000210002F7", " Fseq Mode."},
      {fseqMode(FseqMode::Scratch), "F043105E1000210001F7", " Fseq Mode."},
      {keyOnTrig(KeyOnTrig::First), "F043105E1000240000F7", " KeyOnTrig."},
      {keyOnTrig(KeyOnTrig::All), "F043105E1000240001F7", " KeyOnTrig."},
      {pitchMode(LivePitchMode::Fseq), "F043105E1000230000F7", " Pitch Mode."},
      {pitchMode(LivePitchMode::Fixed), "F043105E1000230001F7", " Pitch Mode."},
      {speedRatio(1000), "F043105E1000180768F7", " Speed Ratio."},
      {speedRatio(5000), "F043105E1000182708F7", " Speed Ratio."},
      {startOffset(511), "F043105E10001A037FF7", " Start Offset."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.message.text, c.text);
    EXPECT_STREQ(c.message.label, c.label) << c.text;
  }
  EXPECT_EQ(SysExStreamToStr(StrToSysExStream(speedRatio(1000).text)),
            "F0 43 10 5E 10 00 18 07 68 F7 ");
  EXPECT_EQ(SysExStreamToStr(StrToSysExStream(startOffset(511).text)),
            "F0 43 10 5E 10 00 1A 03 7F F7 ");
}

TEST(LiveMessages, BankNamesMapToTheirListIndex) {
  EXPECT_EQ(bankIndexOf("Off"), 0);
  EXPECT_EQ(bankIndexOf("Internal"), 1);
  EXPECT_EQ(bankIndexOf("Bank A"), 2);
  EXPECT_EQ(bankIndexOf("Bank K"), 12);
  EXPECT_EQ(bankIndexOf("Bank Z"), -1);
  EXPECT_EQ(bankIndexOf("bank b"), -1);
}

class InitializeTest : public ::testing::Test {
 protected:
  InitializeTest() {
    system.addOutput("FS1R", [this](auto bytes) { fs1r.receive(bytes); });
    output = std::make_unique<TMidiOutput>(system);
    output->Open(0);
  }

  std::vector<int> addressesReceived() const {
    std::vector<int> addresses;
    for (const auto& change : fs1r.parameterChanges())
      addresses.push_back(change.address[0] << 8 | change.address[2]);
    return addresses;
  }

  ManualClock clock;
  VirtualFs1r fs1r{clock};
  LoopbackMidiSystem system;
  std::unique_ptr<TMidiOutput> output;
  std::vector<std::string> log;
  MidiLog logTo = [this](const std::string& line) { log.push_back(line); };
};

TEST_F(InitializeTest, SendsEveryMessageInOrderWithPausesBetween) {
  LiveSettings settings;
  settings.part = 2;
  settings.mode = FseqMode::Scratch;
  settings.speedRatio = 2500;
  InitializeFs1r(*output, 0, settings, clock, logTo, 150);

  EXPECT_THAT(addressesReceived(), ElementsAre(0x1015, 0x3101, 0x3102, 0x1016, 0x1017, 0x1021,
                                               0x1024, 0x1023, 0x1018, 0x101A));
  const auto changes = fs1r.parameterChanges();
  EXPECT_EQ(changes[1].value, 3);     // Bank B
  EXPECT_EQ(changes[2].value, 114);   // patch 115
  EXPECT_EQ(changes[5].value, 1);     // Scratch
  EXPECT_EQ(changes[8].value, 2500);  // speed ratio
  EXPECT_EQ(clock.sleeps(), std::vector<std::int64_t>(9, 150));
  ASSERT_EQ(log.size(), 10u);
  EXPECT_EQ(log[0], " --> FS1R F043105E1000150002F7 Part Change.");
  EXPECT_EQ(log[9], " --> FS1R F043105E10001A0000F7 Start Offset.");
}

TEST_F(InitializeTest, PartZeroLeavesOutBankAndPatchWithOneLineSayingSo) {
  LiveSettings settings;
  settings.part = 0;
  InitializeFs1r(*output, 0, settings, clock, logTo, 150);

  EXPECT_THAT(addressesReceived(),
              ElementsAre(0x1015, 0x1016, 0x1017, 0x1021, 0x1024, 0x1023, 0x1018, 0x101A));
  EXPECT_EQ(fs1r.parameterChanges()[0].value, 0);
  EXPECT_EQ(clock.sleeps().size(), 7u);
  ASSERT_EQ(log.size(), 9u);
  EXPECT_EQ(log[0], " --> FS1R F043105E1000150000F7 Part Change.");
  EXPECT_EQ(
      log[1],
      " --> FS1R Bank Select. and Patch Select. left out: they need a Part Number of 1 to 4.");
}

}  // namespace
}  // namespace fseq
