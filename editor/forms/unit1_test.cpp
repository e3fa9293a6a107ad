#include "editor/forms/unit1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include "editor/forms/editor_test_fixture.h"
#include "editor/model/file_operations.h"
#include "test_support/files.h"

namespace fseq {
namespace {

class MainWindowTest : public EditorTest {
 protected:
  QString report() const { return control<QTextEdit>(form1(), "Memo1")->toPlainText(); }
  QTextDocument* reportDocument() const { return control<QTextEdit>(form1(), "Memo1")->document(); }
  void click(const char* button) { control<QPushButton>(form1(), button)->click(); }
  QSpinBox* spin(const char* name) const { return control<QSpinBox>(form1(), name); }

  // A 128-frame dump with moving formants, saved as a ".syx" file.
  QString writeDump(const char* name) {
    FseqDocument source;
    source.frameCount = 128;
    source.settings.fseqName = "Speech";
    source.settings.noteAssign = 70;
    source.settings.pitchMode = PitchMode::Fixed;
    for (int f = 1; f <= 128; ++f) {
      source.frame(f).setPitch({13, f % 100});
      source.frame(f).setVoiced(0, {17, f});
      source.frame(f).voicedLevel(0) = 100;
      source.frame(f).setUnvoiced(1, {18, f});
      source.frame(f).unvoicedLevel(1) = 60;
    }
    saveSyxFile((folder / name), source, UploadMixer{});
    return path(name);
  }

  // The colour of one character of a report line.
  QColor colourAt(int line, int column) const {
    const QTextBlock block = reportDocument()->findBlockByNumber(line);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + column + 1);
    return cursor.charFormat().foreground().color();
  }
};

TEST_F(MainWindowTest, LoadSyxFillsTheReportTheSettingsAndBothPlots) {
  const QString file = writeDump("speech.syx");
  const QImage formantBefore = form5()->plotImage();
  const QImage framesBefore = form8()->plotImage();
  QSignalSpy mixerReset(&context, &EditorContext::mixerReset);
  QSignalSpy pitchMode(form1(), &TForm1::pitchModeClicked);
  context.mixer.unvoicedPercent = 20;
  document.importedFrame = 7;
  document.currentFrame = 9;

  ui.queueFileName(file);
  click("LoadSysexButton");

  const QStringList lines = report().split('\n');
  ASSERT_GT(lines.size(), 6 + 2 * 128);
  EXPECT_TRUE(lines[0].startsWith("fseq Header: F0 43 00 5E 10 64 60 00 00 "));
  EXPECT_EQ(lines[1], "fseq Name: Speech");
  EXPECT_EQ(lines[2], "fseq Frames: 128");
  EXPECT_EQ(lines[3], "---------------------");
  EXPECT_EQ(lines[4], "Bytes Read: 6402");
  EXPECT_TRUE(lines[5].startsWith("CheckSum= "));
  // Frame 1's first line: pitch red, voiced high bytes black, low bytes blue,
  // levels green; each byte takes three characters.
  EXPECT_EQ(colourAt(6, 0), QColor(255, 0, 0));
  EXPECT_EQ(colourAt(6, 6), QColor(Qt::black));
  EXPECT_EQ(colourAt(6, 30), QColor(0, 0, 255));
  EXPECT_EQ(colourAt(6, 54), QColor(0, 128, 0));
  EXPECT_EQ(colourAt(7, 24), QColor(0, 0, 255));  // unvoiced low bytes

  EXPECT_EQ(document.frameCount, 128);
  EXPECT_EQ(document.currentFrame, 1);
  EXPECT_EQ(document.importedFrame, 0);
  EXPECT_EQ(document.frame(5).voiced(0), (FreqPair{17, 5}));
  EXPECT_EQ(spin("SpinEdit1")->value(), 1);
  EXPECT_EQ(control<QLineEdit>(form1(), "NameEdit")->text(), "Speech");
  EXPECT_EQ(spin("NoteAssignSpinEdit")->value(), 70);
  EXPECT_TRUE(control<QRadioButton>(form1(), "FramesRadioButton128")->isChecked());
  EXPECT_TRUE(control<QRadioButton>(form1(), "RadioButton8")->isChecked());
  EXPECT_EQ(pitchMode.count(), 1);  // the upload window follows the new Pitch Mode
  EXPECT_EQ(control<QLabel>(form1(), "Label2")->text(), "speech.syx");
  EXPECT_EQ(control<QLabel>(form5(), "FileNameLabel")->text(), "speech.syx");
  EXPECT_EQ(control<QLabel>(form8(), "FileNameLabel")->text(), "speech.syx");
  EXPECT_EQ(context.mixer, UploadMixer{});
  EXPECT_EQ(mixerReset.count(), 1);
  EXPECT_NE(form5()->plotImage(), formantBefore);
  EXPECT_NE(form8()->plotImage(), framesBefore);
  EXPECT_TRUE(ui.messages().empty());
}

TEST_F(MainWindowTest, LoadSyxClampsSettingsToTheControlsRanges) {
  const QString file = writeDump("wild.syx");
  std::vector<std::uint8_t> bytes = test_support::readBytes(file.toStdString());
  bytes[25] = 4, bytes[26] = 100;  // loop start 612
  bytes[31] = 20;                  // level sensitivity
  bytes[35] = 120;                 // start delay
  bytes[34] = 127;                 // pitch tuning +64
  test_support::writeBytes(file.toStdString(), bytes);

  ui.queueFileName(file);
  click("LoadSysexButton");
  EXPECT_EQ(spin("LoopStartSpinEdit")->value(), 512);
  EXPECT_EQ(spin("LevelSensitivitySpinEdit")->value(), 7);
  EXPECT_EQ(spin("StartDelaySpinEdit")->value(), 99);
  EXPECT_EQ(spin("PitchTuningSpinEdit")->value(), 63);
  EXPECT_EQ(document.settings.loopStart, 512);
  EXPECT_EQ(document.settings.levelSensitivity, 7);
}

TEST_F(MainWindowTest, CancelledLoadSyxChangesNothingButTheReport) {
  document.frame(3).voicedLevel(0) = 55;
  form1()->addReport({{"earlier line", {}}});
  ui.queueFileName(std::nullopt);
  click("LoadSysexButton");
  EXPECT_EQ(report(), "");
  EXPECT_EQ(document.frame(3).voicedLevel(0), 55);
  EXPECT_EQ(control<QLabel>(form1(), "Label2")->text(), "Sysex File Name");
  EXPECT_TRUE(ui.messages().empty());
}

TEST_F(MainWindowTest, UnreadableFilesAreReportedInAMessageBox) {
  document.frame(3).voicedLevel(0) = 55;
  for (const char* button : {"LoadSysexButton", "LoadTextButton"}) {
    ui.queueFileName(path("missing.syx"));
    click(button);
  }
  ASSERT_EQ(ui.messages().size(), 2u);
  for (const ShownMessage& message : ui.messages()) {
    EXPECT_EQ(message.caption, "Vostrel_Fseq_Editor");
    EXPECT_TRUE(message.text.contains("missing.syx")) << message.text.toStdString();
    EXPECT_EQ(message.icon, MessageIcon::Critical);
  }
  EXPECT_EQ(document.frame(3).voicedLevel(0), 55);
  EXPECT_EQ(control<QLabel>(form1(), "Label2")->text(), "Sysex File Name");
  EXPECT_EQ(control<QLabel>(form1(), "Label1")->text(), "Data File Name");
}

TEST_F(MainWindowTest, SaveSyxWritesTheDumpAndReportsIt) {
  document.frame(1).voicedLevel(0) = 127;
  ui.queueFileName(path("out.syx"));
  click("CreateFseqButton");
  EXPECT_EQ(test_support::readBytes(folder / "out.syx").size(), 25643u);
  const QStringList lines = report().split('\n');
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0], " ");
  EXPECT_TRUE(lines[1].startsWith("New CheckSum= ") && lines[1].endsWith(" hex"));
  EXPECT_EQ(lines[2], "Text file out.syx saved.");
  EXPECT_EQ(lines[3], "Wrote 25602 Bytes");
  EXPECT_EQ(control<QLabel>(form1(), "Label2")->text(), "out.syx");
}

TEST_F(MainWindowTest, ChoosingAFrameCountByHandChangesNothing) {
  control<QRadioButton>(form1(), "FramesRadioButton128")->click();
  EXPECT_EQ(document.frameCount, 512);
  ui.queueFileName(path("all.syx"));
  click("CreateFseqButton");
  EXPECT_EQ(test_support::readBytes(folder / "all.syx").size(), 25643u);
}

TEST_F(MainWindowTest, SaveTextAndLoadTextGoThroughTheButtons) {
  document.frameCount = 128;
  document.frame(2).voicedLevel(4) = 99;
  ui.queueFileName(path("frames.txt"));
  click("SaveCSVButton");
  EXPECT_EQ(report(), " \nText file frames.txt saved.");
  EXPECT_EQ(control<QLabel>(form1(), "Label1")->text(), "frames.txt");

  document.frame(2).voicedLevel(4) = 0;
  document.importedFrame = 4;
  ui.queueFileName(path("frames.txt"));
  click("LoadTextButton");
  EXPECT_EQ(document.frame(2).voicedLevel(4), 99);
  EXPECT_EQ(document.importedFrame, 0);
  EXPECT_TRUE(report().startsWith("Loading File Name: frames\n"));
  EXPECT_TRUE(report().contains("128 Frames Loaded"));
  EXPECT_EQ(control<QLineEdit>(form1(), "NameEdit")->text(), "frames");
  EXPECT_EQ(spin("NoteAssignSpinEdit")->value(), 62);
  EXPECT_EQ(spin("LastValidFrameSpinEdit")->value(), 128);
  EXPECT_EQ(control<QLabel>(form8(), "FileNameLabel")->text(), "frames.txt");
}

TEST_F(MainWindowTest, LoadTextOf300FramesGives256) {
  std::string text = "Fseq Pitch, F1\r\n";
  for (int line = 0; line < 300; ++line) {
    for (int value = 0; value < 33; ++value) text += value == 9 ? "12  " : "440  ";
    text += "\r\n";
  }
  test_support::writeText(folder / "long.txt", text);
  ui.queueFileName(path("long.txt"));
  click("LoadTextButton");
  EXPECT_EQ(document.frameCount, 256);
  EXPECT_TRUE(control<QRadioButton>(form1(), "FramesRadioButton256")->isChecked());
  EXPECT_EQ(spin("LastValidFrameSpinEdit")->value(), 300);
  EXPECT_EQ(spin("LoopEndSpinEdit")->value(), 300);
  EXPECT_EQ(document.frame(300).voicedLevel(0), 12);
  EXPECT_TRUE(report().contains("300 Frames Loaded"));
}

TEST_F(MainWindowTest, FrameSelectorIsLimitedToTheFrameCountAndMovesEveryView) {
  document.frameCount = 256;
  spin("SpinEdit1")->setValue(600);
  EXPECT_EQ(spin("SpinEdit1")->value(), 256);
  EXPECT_EQ(document.currentFrame, 256);
  EXPECT_EQ(control<QLineEdit>(form5(), "FrameEdit")->text(), "256");
  EXPECT_EQ(control<QLineEdit>(form2(), "FrameEdit")->text(), "256");
  EXPECT_EQ(form8()->frameA(), 256);
  EXPECT_EQ(form8()->frameB(), 256);
}

TEST_F(MainWindowTest, FrameSelectorRepaintsTheFormantPlot) {
  document.frame(20).setVoiced(0, {17, 24});
  document.frame(20).voicedLevel(0) = 127;
  const QImage before = form5()->plotImage();
  spin("SpinEdit1")->setValue(20);
  EXPECT_NE(form5()->plotImage(), before);
}

TEST_F(MainWindowTest, ClearAllSetsItsOwnDefaults) {
  document.frameCount = 128;
  document.importedFrame = 9;
  document.frame(100).voicedLevel(3) = 80;
  document.undoFrames[5].voicedLevel(0) = 33;
  spin("SpinEdit1")->setValue(50);
  spin("NoteAssignSpinEdit")->setValue(10);
  spin("LoopEndSpinEdit")->setValue(30);
  control<QLineEdit>(form1(), "NameEdit")->setText("abc");
  control<QRadioButton>(form1(), "RadioButton8")->click();
  control<QRadioButton>(form1(), "RoundRadioButton")->click();
  form1()->setImportFileName("speech.txt");
  context.mixer.voicedPercent[2] = 10;
  form1()->addReport({{"line", {}}});
  QSignalSpy mixerReset(&context, &EditorContext::mixerReset);
  spin("SpinEdit1")->setValue(100);
  const QImage curveShown = form8()->plotImage();
  spin("SpinEdit1")->setValue(1);

  click("ClearAllButton");

  EXPECT_EQ(report(), "");
  EXPECT_EQ(document.currentFrame, 1);
  EXPECT_EQ(document.frameCount, 512);
  EXPECT_EQ(spin("SpinEdit1")->value(), 1);
  EXPECT_EQ(control<QLineEdit>(form1(), "NameEdit")->text(), "Fseq Name");
  EXPECT_EQ(spin("NoteAssignSpinEdit")->value(), 64);
  EXPECT_EQ(spin("LoopEndSpinEdit")->value(), 512);
  EXPECT_TRUE(control<QRadioButton>(form1(), "RadioButton7")->isChecked());
  EXPECT_TRUE(control<QRadioButton>(form1(), "OneWayRadioButton")->isChecked());
  EXPECT_TRUE(control<QRadioButton>(form1(), "FramesRadioButton512")->isChecked());
  EXPECT_EQ(document.settings, FseqSettings::afterClearAll());
  EXPECT_EQ(document.frames, FseqDocument{}.frames);
  EXPECT_EQ(context.mixer, UploadMixer{});
  EXPECT_EQ(mixerReset.count(), 1);
  EXPECT_NE(form8()->plotImage(), curveShown);  // the plots show the cleared frames
  // Left as they were:
  EXPECT_EQ(document.importedFrame, 9);
  EXPECT_EQ(document.undoFrames[5].voicedLevel(0), 33);
  EXPECT_EQ(control<QLabel>(form1(), "Label19")->text(), "speech.txt");
}

TEST_F(MainWindowTest, FixedSettingsControlsHoldTheSettings) {
  spin("LoopStartSpinEdit")->setValue(100);
  spin("PitchTuningSpinEdit")->setValue(-20);
  control<QRadioButton>(form1(), "RoundRadioButton")->click();
  control<QLineEdit>(form1(), "NameEdit")->setText("Vowel AE");
  EXPECT_EQ(document.settings.loopStart, 100);
  EXPECT_EQ(document.settings.pitchTuning, -20);
  EXPECT_EQ(document.settings.loopMode, LoopMode::Round);
  EXPECT_EQ(document.settings.fseqName, "Vowel AE");
}

TEST_F(MainWindowTest, PitchModeIsExchangedWithTheUploadWindow) {
  QSignalSpy clicked(form1(), &TForm1::pitchModeClicked);
  control<QRadioButton>(form1(), "RadioButton8")->click();
  ASSERT_EQ(clicked.count(), 1);
  EXPECT_EQ(clicked[0][0].value<PitchMode>(), PitchMode::Fixed);
  EXPECT_EQ(document.settings.pitchMode, PitchMode::Fixed);

  // The upload window selecting a mode changes the button but sends nothing back.
  form1()->selectPitchMode(PitchMode::Fseq);
  form1()->selectPitchMode(PitchMode::Fseq);
  EXPECT_TRUE(control<QRadioButton>(form1(), "RadioButton7")->isChecked());
  EXPECT_EQ(document.settings.pitchMode, PitchMode::Fseq);
  EXPECT_EQ(clicked.count(), 1);
}

}  // namespace
}  // namespace fseq
