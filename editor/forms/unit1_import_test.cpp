// The main window's spectrum imports, driven through their buttons.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextEdit>
#include <cmath>

#include "editor/forms/editor_test_fixture.h"
#include "editor/forms/unit1.h"
#include "editor/forms/unit5.h"
#include "editor/forms/unit8.h"
#include "editor/import/map_log_fixture.h"
#include "editor/model/file_operations.h"
#include "test_support/files.h"

namespace fseq {
namespace {

using testing::kBinHz;

class ImportButtonsTest : public EditorTest {
 protected:
  QString report() const { return control<QTextEdit>(form1(), "Memo1")->toPlainText(); }
  void click(const char* button) { control<QPushButton>(form1(), button)->click(); }
  QString labelText(const QWidget* window, const char* name) const {
    return control<QLabel>(window, name)->text();
  }

  QString writeMapLog(const char* name, int rows, double timeStepMs = 10) {
    std::vector<std::vector<int>> levels;
    for (int r = 0; r < rows; ++r) {
      const double t = r / std::max(1.0, rows - 1.0);
      levels.push_back(testing::voiceRow({120 + 20 * t, {500 + 200 * t, 1100, 2000}}, 743, kBinHz));
    }
    test_support::writeText(folder / name, testing::mapLogText(timeStepMs, 743, levels));
    return path(name);
  }

  QString writeSliceLog(const char* name) {
    std::string text =
        "Veltrix 15 Data\r\n/home/singer/ah.wav\r\n44100 Hz Sampling Rate\r\n"
        "10.77 Hz Frequency Resolution\r\n-22 dB Total SPL\r\n1500 msec Event Time\r\n"
        "Relative Spectrum Level in Decibels/Hz\r\n\r\nNum   Hz       dB\r\n\r\n";
    for (int i = 0; i < 743; ++i) {
      const double level = (i == 12 || i == 60 || i == 110) ? 60 : 20;
      text += std::to_string(i) + "  " + std::to_string(i * kBinHz + kBinHz / 2) + "  " +
              std::to_string(level) + "\r\n";
    }
    test_support::writeText(folder / name, text);
    return path(name);
  }

  // A loaded 256-frame sequence whose every part a failed import must keep.
  void loadSequence() {
    FseqDocument source;
    source.frameCount = 256;
    source.settings.fseqName = "Keep";
    source.settings.noteAssign = 70;
    source.frame(40).setVoiced(2, {17, 5});
    source.frame(40).voicedLevel(2) = 111;
    saveSyxFile(folder / "keep.syx", source, UploadMixer{});
    ui.queueFileName(path("keep.syx"));
    click("LoadSysexButton");
    context.mixer.voicedPercent[2] = 30;
  }

  void expectSequenceKept(const FseqDocument& before, const UploadMixer& mixerBefore) {
    EXPECT_EQ(document.frames, before.frames);
    EXPECT_EQ(document.frameCount, before.frameCount);
    EXPECT_EQ(document.settings, before.settings);
    EXPECT_EQ(document.currentFrame, before.currentFrame);
    EXPECT_EQ(context.mixer, mixerBefore);
    EXPECT_EQ(control<QLineEdit>(form1(), "NameEdit")->text(), "Keep");
  }
};

TEST_F(ImportButtonsTest, MapImportBuildsANewSequenceAndShowsIt) {
  loadSequence();
  const QString log = writeMapLog("speech.txt", 600);
  QSignalSpy mixerReset(&context, &EditorContext::mixerReset);
  const QImage framesBefore = form8()->plotImage();
  ui.queueFileName(log);
  click("ImportMapButton");

  EXPECT_TRUE(ui.messages().empty());
  EXPECT_TRUE(
      report().startsWith("Loading...\n \nImporting Veltrix16 File Name: speech\n"
                          "Sample Timing: 10.0  Skip: 0.0 lines per Read.\n"));
  EXPECT_TRUE(report().endsWith("Block4\nDone."));
  EXPECT_EQ(labelText(form1(), "Label19"), "speech.txt");
  EXPECT_EQ(labelText(form1(), "Label2"), "Sysex File Name");
  EXPECT_EQ(document.currentFrame, 512);
  EXPECT_EQ(document.importedFrame, 512);
  EXPECT_EQ(control<QSpinBox>(form1(), "SpinEdit1")->value(), 512);
  EXPECT_EQ(document.settings, FseqSettings::afterClearAll());
  EXPECT_EQ(context.mixer, UploadMixer{});
  EXPECT_GE(mixerReset.count(), 1);
  const auto* progress = control<QProgressBar>(form1(), "ProgressBar1");
  EXPECT_TRUE(progress->isHidden());
  EXPECT_EQ(progress->value(), 95);
  EXPECT_NE(form8()->plotImage(), framesBefore);
  EXPECT_NEAR(FreqValue2(document.frame(1).pitch().coarse, document.frame(1).pitch().fine), 120,
              kBinHz + 1);
}

TEST_F(ImportButtonsTest, CancelledOrFailedMapImportLeavesTheSequenceAlone) {
  loadSequence();
  const FseqDocument before = document;
  const UploadMixer mixerBefore = context.mixer;

  ui.queueFileName(std::nullopt);
  click("ImportMapButton");
  expectSequenceKept(before, mixerBefore);
  EXPECT_TRUE(control<QProgressBar>(form1(), "ProgressBar1")->isHidden());

  const QString bad = writeMapLog("bad.txt", 50, 0);
  ui.queueFileName(bad);
  click("ImportMapButton");
  expectSequenceKept(before, mixerBefore);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_TRUE(ui.messages()[0].text.contains(
      "line 7: the time step 0.00 is not a positive number of milliseconds"));
  EXPECT_TRUE(ui.messages()[0].text.contains("bad.txt"));

  control<QLineEdit>(form1(), "Edit2")->setText("5,3");
  click("ImportMapButton");  // no chooser is asked for: the queue is empty
  ASSERT_EQ(ui.messages().size(), 2u);
  EXPECT_EQ(ui.messages()[1].text,
            "The duration \"5,3\" in the sec's box is not a number of seconds.");
  expectSequenceKept(before, mixerBefore);
}

TEST_F(ImportButtonsTest, SliceImportFillsTheSelectedFrameAndShowsTheSpectrum) {
  loadSequence();
  control<QSpinBox>(form1(), "SpinEdit1")->setValue(40);
  const QImage plotBefore = form5()->plotImage();
  ui.queueFileName(writeSliceLog("ah.txt"));
  click("ImportButtonS");

  EXPECT_TRUE(report().startsWith(" \nImporting Veltrix16 File Name: ah\n"));
  EXPECT_TRUE(report().contains("Pitch:134.58 hz"));
  EXPECT_EQ(labelText(form1(), "Label19"), "ah.txt");
  EXPECT_EQ(document.importedFrame, 40);
  EXPECT_EQ(document.frame(40).pitch(), FreqSettings(12 * kBinHz + kBinHz / 2));
  EXPECT_EQ(document.settings.fseqName, "Keep");
  EXPECT_NE(form5()->plotImage(), plotBefore);
}

TEST_F(ImportButtonsTest, DenseAudacityExportShowsTheAdviceAndStillImports) {
  std::string text = "Frequency (Hz)\tLevel (dB)\n";
  for (int i = 1; i <= 4096; ++i) text += std::to_string(i * 44100.0 / 8192) + "\t-60\n";
  test_support::writeText(folder / "dense.txt", text);
  ui.queueFileName(path("dense.txt"));
  click("ImportAudacityButton");
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text,
            "Re-export the file from Audacity using a lower \"Size\" setting.");
  EXPECT_TRUE(report().contains("Importing Audacity File Name: dense"));
  EXPECT_EQ(document.importedFrame, 1);
}

TEST_F(ImportButtonsTest, CancelledSpectrumImportClearsOnlyTheReportAndTheSpectrum) {
  loadSequence();
  const FseqDocument before = document;
  context.spectrum.level[5] = -20;
  ui.queueFileName(std::nullopt);
  click("ImportAudacityButton");
  EXPECT_TRUE(report().isEmpty());
  EXPECT_EQ(context.spectrum.level[5], SpectrumImportBuffer::kEmptyLevelDb);
  EXPECT_EQ(document.frames, before.frames);
}

}  // namespace
}  // namespace fseq
