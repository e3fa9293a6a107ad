#include "editor/forms/unit7.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <thread>

#include "editor/forms/fseq_editor.h"
#include "editor/forms/scripted_ui_services.h"
#include "editor/midi/loopback_midi_system.h"
#include "editor/midi/manual_clock.h"
#include "editor/midi/sysex_text.h"
#include "editor/midi/virtual_fs1r.h"

namespace fseq {
namespace {

using Bytes = std::vector<std::uint8_t>;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// An input "Keyboard" and two outputs with a virtual FS1R behind each, on a
// manual clock.
class TestMidiDevices final : public MidiDeviceProvider {
 public:
  TestMidiDevices() {
    system.addInput("Keyboard");
    system.addOutput("FS1R A", [this](auto bytes) { fs1rA.receive(bytes); });
    system.addOutput("FS1R B", [this](auto bytes) { fs1rB.receive(bytes); });
    midiInput = std::make_unique<TMidiInput>(system);
    midiOutput = std::make_unique<TMidiOutput>(system);
  }

  TMidiInput& input() override { return *midiInput; }
  TMidiOutput& output() override { return *midiOutput; }
  Clock& clock() override { return manualClock; }
  std::string problem() const override { return {}; }

  ManualClock manualClock;
  VirtualFs1r fs1rA{manualClock};
  VirtualFs1r fs1rB{manualClock};
  LoopbackMidiSystem system;
  std::unique_ptr<TMidiInput> midiInput;
  std::unique_ptr<TMidiOutput> midiOutput;
};

class UploadWindowTest : public testing::Test {
 protected:
  TestMidiDevices midi;
  ScopedMidiDevices useTestDevices{midi};
  ScriptedUiServices ui;
  FseqEditor editor{ui};
  EditorContext& context = editor.context();

  TForm7* form7() const { return editor.windows().form7; }

  template <typename Control>
  Control* control(const QWidget* window, const char* name) const {
    auto* found = window->findChild<Control*>(name);
    if (!found) ADD_FAILURE() << "no control " << name;
    return found;
  }
  template <typename Control>
  Control* control(const char* name) const {
    return control<Control>(form7(), name);
  }

  void check(const char* list, int row, bool checked) {
    control<QListWidget>(list)->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  }
  void click(const char* button) { control<QPushButton>(button)->click(); }

  QStringList logLines() const {
    return control<QPlainTextEdit>("memLog")->toPlainText().split('\n', Qt::SkipEmptyParts);
  }
  std::vector<QString> messages() const {
    std::vector<QString> texts;
    for (const ShownMessage& shown : ui.messages()) texts.push_back(shown.text);
    return texts;
  }
  // The live parameter changes FS1R B received, as hexadecimal text.
  std::vector<std::string> liveReceivedByB() const {
    std::vector<std::string> texts;
    for (const auto& change : midi.fs1rB.parameterChanges())
      texts.push_back(SysExStreamToStr(change.bytes));
    return texts;
  }
};

TEST_F(UploadWindowTest, ListsTheDevicesUncheckedWithNoLiveOutput) {
  EXPECT_EQ(form7()->windowTitle(), "FS1R UpLoad");
  const auto* inputs = control<QListWidget>("lbxInputDevices");
  const auto* outputs = control<QListWidget>("lbxOutputDevices");
  ASSERT_EQ(inputs->count(), 1);
  EXPECT_EQ(inputs->item(0)->text(), "Keyboard");
  ASSERT_EQ(outputs->count(), 2);
  EXPECT_EQ(outputs->item(1)->text(), "FS1R B");
  EXPECT_EQ(outputs->item(1)->checkState(), Qt::Unchecked);
  EXPECT_EQ(form7()->liveOutputDevice(), -1);
  EXPECT_EQ(control<QLineEdit>("edtSysExData")->text(), "F043105E1000000048F7");
}

TEST_F(UploadWindowTest, TheMainWindowsUpLoadButtonShowsTheWindowAndCloseHidesIt) {
  control<QPushButton>(editor.windows().form1, "UploadButton")->click();
  EXPECT_TRUE(form7()->isVisible());
  click("CloseButton");
  EXPECT_FALSE(form7()->isVisible());
}

TEST_F(UploadWindowTest, TheLastCheckedOutputIsLiveAndUncheckingAnyOutputLeavesNone) {
  check("lbxOutputDevices", 0, true);
  check("lbxOutputDevices", 1, true);
  EXPECT_TRUE(midi.system.outputOpen("FS1R A"));
  EXPECT_EQ(form7()->liveOutputDevice(), 1);
  check("lbxOutputDevices", 0, false);
  EXPECT_FALSE(midi.system.outputOpen("FS1R A"));
  EXPECT_EQ(form7()->liveOutputDevice(), -1);
  // With no live output, live messages are silently not sent.
  control<QSpinBox>("SpinEdit3")->setValue(5);
  EXPECT_THAT(midi.fs1rB.received(), IsEmpty());
  EXPECT_THAT(logLines(), IsEmpty());
}

TEST_F(UploadWindowTest, ADeviceThatCannotBeOpenedIsShownAndLeftUnchecked) {
  midi.system.refuse("FS1R A", "FS1R A is in use by another program");
  check("lbxOutputDevices", 0, true);
  EXPECT_THAT(messages(), ElementsAre("FS1R A is in use by another program"));
  EXPECT_EQ(control<QListWidget>("lbxOutputDevices")->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(form7()->liveOutputDevice(), -1);
}

TEST_F(UploadWindowTest, UploadServesTheHigherOutputFirstInPacedPieces) {
  context.document.frameCount = 128;
  check("lbxOutputDevices", 0, true);
  check("lbxOutputDevices", 1, true);
  click("UploadButton");

  const auto a = midi.fs1rA.received();
  const auto b = midi.fs1rB.received();
  ASSERT_EQ(a.size(), 13u);
  ASSERT_EQ(b.size(), 13u);
  EXPECT_LE(b.back().atMs, a.front().atMs);
  for (std::size_t i = 0; i + 1 < a.size(); ++i) EXPECT_EQ(a[i + 1].atMs - a[i].atMs, 150);
  ASSERT_EQ(midi.fs1rA.dumps().size(), 1u);
  EXPECT_THAT(midi.fs1rA.dumps()[0].problems, IsEmpty());
  EXPECT_EQ(midi.fs1rA.dumps()[0].bytes, midi.fs1rB.dumps()[0].bytes);

  // Newest line first: FS1R A's last count on top, FS1R B's header at the bottom.
  const QStringList lines = logLines();
  ASSERT_EQ(lines.size(), 28);
  EXPECT_EQ(lines.front(), " --> FS1R A Data Block 6402");
  EXPECT_EQ(lines[13], " --> FS1R A Header Block");
  EXPECT_EQ(lines[14], " --> FS1R B Data Block 6402");
  EXPECT_EQ(lines.back(), " --> FS1R B Header Block");
  const QString report = control<QTextEdit>(editor.windows().form1, "Memo1")->toPlainText();
  EXPECT_THAT(report.toStdString(), ::testing::ContainsRegex("New CheckSum= [0-9A-F]{2} hex"));
}

TEST_F(UploadWindowTest, UploadWithNoOutputClearsTheLogAndStillReportsTheChecksum) {
  check("lbxOutputDevices", 1, true);
  click("btnSendSysEx");
  check("lbxOutputDevices", 1, false);
  ASSERT_EQ(logLines().size(), 1);
  click("UploadButton");
  EXPECT_THAT(logLines(), IsEmpty());
  EXPECT_EQ(midi.fs1rB.received().size(), 1u);  // only what "Send" sent
  const QString report = control<QTextEdit>(editor.windows().form1, "Memo1")->toPlainText();
  EXPECT_THAT(report.toStdString(), ::testing::HasSubstr("New CheckSum= 3B hex"));
}

TEST_F(UploadWindowTest, ASecondUploadCannotStartWhileOneIsPaused) {
  check("lbxOutputDevices", 1, true);
  context.document.frameCount = 128;
  // Arrives during the first pause, while the window keeps serving events.
  QMetaObject::invokeMethod(control<QPushButton>("UploadButton"), "click", Qt::QueuedConnection);
  QMetaObject::invokeMethod(control<QPushButton>("btnSendSysEx"), "click", Qt::QueuedConnection);
  click("UploadButton");
  QCoreApplication::processEvents();
  EXPECT_EQ(midi.fs1rB.received().size(), 13u);
  EXPECT_EQ(midi.fs1rB.dumps().size(), 1u);
  EXPECT_TRUE(control<QPushButton>("UploadButton")->isEnabled());
}

TEST_F(UploadWindowTest, SendGoesToEveryCheckedOutputAndRefusesMalformedText) {
  check("lbxOutputDevices", 0, true);
  check("lbxOutputDevices", 1, true);
  click("btnSendSysEx");
  EXPECT_THAT(logLines(),
              ElementsAre(" --> FS1R A F043105E1000000048F7", " --> FS1R B F043105E1000000048F7"));
  EXPECT_EQ(
      midi.system.sentTo("FS1R A"),
      std::vector<Bytes>{(Bytes{0xF0, 0x43, 0x10, 0x5E, 0x10, 0x00, 0x00, 0x00, 0x48, 0xF7})});

  control<QLineEdit>("edtSysExData")->setText("F0 43 10 5E 10 00 00 00 48 F7");
  click("btnSendSysEx");
  control<QLineEdit>("edtSysExData")->setText("F043105E");
  click("btnSendSysEx");
  EXPECT_THAT(messages(), ElementsAre("SysEx string corrupted", "SysEx string too short"));
  EXPECT_EQ(midi.system.sentTo("FS1R B").size(), 1u);
}

TEST_F(UploadWindowTest, LiveControlsSendTheirMessagesToTheLiveOutput) {
  check("lbxOutputDevices", 1, true);
  control<QSpinBox>("SpinEdit1")->setValue(2);
  auto* combo = control<QComboBox>("ComboBox1");
  combo->setCurrentIndex(3);
  emit combo->activated(3);
  control<QSpinBox>("SpinEdit2")->setValue(116);
  control<QSpinBox>("SpinEdit2")->setValue(115);
  control<QScrollBar>("ScrollBar1")->setValue(1000);
  click("Button1");
  control<QScrollBar>("ScrollBar2")->setValue(511);
  EXPECT_EQ(control<QLabel>("OffsetLabel")->text(), "511");
  click("OffsetButton");
  control<QRadioButton>("ScratchButton")->click();
  control<QRadioButton>("AllButton")->click();
  control<QRadioButton>("InternalButton")->click();

  EXPECT_THAT(liveReceivedByB(),
              ElementsAre("F0 43 10 5E 10 00 15 00 02 F7 ", "F0 43 10 5E 31 00 01 00 03 F7 ",
                          "F0 43 10 5E 31 00 02 00 73 F7 ", "F0 43 10 5E 31 00 02 00 72 F7 ",
                          "F0 43 10 5E 10 00 18 07 68 F7 ", "F0 43 10 5E 10 00 1A 03 7F F7 ",
                          "F0 43 10 5E 10 00 21 00 01 F7 ", "F0 43 10 5E 10 00 24 00 01 F7 ",
                          "F0 43 10 5E 10 00 16 00 00 F7 "));
  const QStringList lines = logLines();
  EXPECT_EQ(lines.back(), " --> FS1R B F043105E1000150002F7 Part Change.");
  EXPECT_EQ(lines[1], " --> FS1R B F043105E1000240001F7 KeyOnTrig.");
}

TEST_F(UploadWindowTest, SpeedRatioLabelShowsTenthsOfTheBarWithOneDecimal) {
  auto* bar = control<QScrollBar>("ScrollBar1");
  EXPECT_EQ(control<QLabel>("SpeedLabel")->text(), "100 %");
  bar->setValue(1235);
  EXPECT_EQ(control<QLabel>("SpeedLabel")->text(), "123.5 %");
  bar->setValue(100);
  EXPECT_EQ(control<QLabel>("SpeedLabel")->text(), "10.0 %");
  EXPECT_EQ(bar->maximum(), 5000);
  EXPECT_EQ(bar->pageStep(), 100);
}

TEST_F(UploadWindowTest, BankAndPatchNeedAPartAndABankFromTheList) {
  check("lbxOutputDevices", 1, true);
  control<QSpinBox>("SpinEdit1")->setValue(0);
  auto* combo = control<QComboBox>("ComboBox1");
  emit combo->activated(4);
  control<QSpinBox>("SpinEdit2")->setValue(120);
  EXPECT_THAT(messages(), ElementsAre("Please select a Part Number First.",
                                      "Please select a Part Number First."));

  control<QSpinBox>("SpinEdit1")->setValue(1);
  combo->lineEdit()->clear();
  QTest::keyClicks(combo->lineEdit(), "Bank Q");
  QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
  ASSERT_EQ(messages().size(), 3u);
  EXPECT_EQ(messages()[2],
            "\"Bank Q\" is not a bank. Choose one from the list: Off, Internal, Bank A … Bank K.");
  // Only the two Part Change messages went out.
  EXPECT_THAT(liveReceivedByB(),
              ElementsAre("F0 43 10 5E 10 00 15 00 00 F7 ", "F0 43 10 5E 10 00 15 00 01 F7 "));
  // A typed name that is in the list is sent like a chosen one.
  combo->lineEdit()->clear();
  QTest::keyClicks(combo->lineEdit(), "Bank C");
  QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(liveReceivedByB().back(), "F0 43 10 5E 30 00 01 00 04 F7 ");
  EXPECT_EQ(messages().size(), 3u);
}

TEST_F(UploadWindowTest, InitializeSendsEverySettingWithPausesAndLeavesOutBankAndPatchForPartZero) {
  check("lbxOutputDevices", 1, true);
  click("InitializeButton");
  EXPECT_EQ(liveReceivedByB().size(), 10u);
  EXPECT_EQ(midi.manualClock.nowMs(), 9 * 150);
  EXPECT_EQ(logLines().front(), " --> FS1R B F043105E10001A0000F7 Start Offset.");

  control<QSpinBox>("SpinEdit1")->setValue(0);  // sends Part Change 0
  click("InitializeButton");
  const auto received = liveReceivedByB();
  ASSERT_EQ(received.size(), 11u + 8u);
  EXPECT_EQ(received[11], "F0 43 10 5E 10 00 15 00 00 F7 ");
  EXPECT_EQ(received[12], "F0 43 10 5E 10 00 16 00 01 F7 ");
  EXPECT_TRUE(
      logLines().contains(" --> FS1R B Bank Select. and Patch Select. left out: they "
                          "need a Part Number of 1 to 4."));
}

TEST_F(UploadWindowTest, InitializeWithATypedBankThatIsNotInTheListSendsNothing) {
  check("lbxOutputDevices", 1, true);
  control<QComboBox>("ComboBox1")->setEditText("Bank Z");
  click("InitializeButton");
  EXPECT_THAT(liveReceivedByB(), IsEmpty());
  EXPECT_EQ(messages().size(), 1u);
}

TEST_F(UploadWindowTest, PitchModeFollowsTheMainWindowBothWays) {
  check("lbxOutputDevices", 1, true);
  TForm1* form1 = editor.windows().form1;
  control<QRadioButton>(form1, "RadioButton8")->click();  // main window "Fixed"
  EXPECT_TRUE(control<QRadioButton>("PitchFixedButton")->isChecked());
  control<QRadioButton>("PitchFseqButton")->click();
  EXPECT_TRUE(control<QRadioButton>(form1, "RadioButton7")->isChecked());
  EXPECT_EQ(context.document.settings.pitchMode, PitchMode::Fseq);
  EXPECT_THAT(liveReceivedByB(),
              ElementsAre("F0 43 10 5E 10 00 23 00 01 F7 ", "F0 43 10 5E 10 00 23 00 00 F7 "));
}

TEST_F(UploadWindowTest, MixerSlidersSetTheMixerTheirLabelsAndRepaintThePlots) {
  context.document.frame(1).voicedLevel(0) = 120;
  editor.windows().form5->repaintPlot();
  const QImage before = editor.windows().form5->plotImage();
  control<QScrollBar>("ScrollBarVF1")->setValue(40);
  control<QScrollBar>("ScrollBarUnV")->setValue(150);
  EXPECT_EQ(context.mixer.voicedPercent[0], 40);
  EXPECT_EQ(context.mixer.unvoicedPercent, 150);
  EXPECT_EQ(control<QLabel>("LabelVF1")->text(), "VF1 40");
  EXPECT_EQ(control<QLabel>("LabelUnV")->text(), "UnV 150");
  EXPECT_NE(editor.windows().form5->plotImage(), before);

  context.mixer.reset();
  emit context.mixerReset();
  EXPECT_EQ(control<QScrollBar>("ScrollBarVF1")->value(), 100);
  EXPECT_EQ(control<QLabel>("LabelUnV")->text(), "UnV 100");
}

TEST_F(UploadWindowTest, ShortMessagesAreLoggedAndPassedOnClockAndSensingIgnored) {
  check("lbxInputDevices", 0, true);
  check("lbxOutputDevices", 0, true);
  check("lbxOutputDevices", 1, true);
  std::thread driver([this] {
    midi.system.inject("Keyboard", Bytes{0xF8});
    midi.system.inject("Keyboard", Bytes{0xFE});
    midi.system.inject("Keyboard", Bytes{0x90, 0x3C, 0x64});
  });
  driver.join();
  QCoreApplication::processEvents();

  const QStringList lines = logLines();
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], " -->FS1R A");
  EXPECT_EQ(lines[1], " -->FS1R B");
  EXPECT_THAT(lines[2].toStdString(),
              ::testing::MatchesRegex(R"(\[[0-9]{2}:[0-9]{2}:[0-9]{2}\.[0-9]{3}\] Keyboard: )"
                                      R"(<Status> 90, <Data 1> 3C <Data 2> 64)"));
  EXPECT_EQ(midi.system.sentTo("FS1R A"), std::vector<Bytes>{(Bytes{0x90, 0x3C, 0x64})});
  EXPECT_EQ(midi.system.sentTo("FS1R B"), std::vector<Bytes>{(Bytes{0x90, 0x3C, 0x64})});
}

TEST_F(UploadWindowTest, ReceivedSysExIsLoggedAndNotPassedOn) {
  check("lbxInputDevices", 0, true);
  check("lbxOutputDevices", 1, true);
  midi.system.inject("Keyboard", Bytes{0xF0, 0x43, 0x10, 0x5E, 0xF7});
  QCoreApplication::processEvents();
  ASSERT_EQ(logLines().size(), 1);
  EXPECT_THAT(logLines()[0].toStdString(),
              ::testing::EndsWith("] Keyboard: <Bytes> 5 <SysEx> F0 43 10 5E F7 "));
  EXPECT_THAT(midi.system.sentTo("FS1R B"), IsEmpty());
}

TEST_F(UploadWindowTest, ExitClosesTheInputsBeforeTheLockGoes) {
  check("lbxInputDevices", 0, true);
  EXPECT_TRUE(midi.system.inputOpen("Keyboard"));
  editor.windows().form1->close();
  EXPECT_FALSE(midi.system.inputOpen("Keyboard"));
  // Whatever the driver still delivers now goes nowhere.
  midi.system.inject("Keyboard", Bytes{0x90, 1, 2});
  QCoreApplication::processEvents();
  EXPECT_THAT(logLines(), IsEmpty());
}

}  // namespace
}  // namespace fseq
