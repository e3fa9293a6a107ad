#include "editor/forms/unit8.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include "editor/forms/editor_test_fixture.h"
#include "editor/forms/plot_canvas.h"
#include "editor/plots/plot_colors.h"

namespace fseq {
namespace {

class FramesPlotWindowTest : public EditorTest {
 protected:
  void SetUp() override { form8()->show(); }

  PlotCanvas* canvas() const { return control<PlotCanvas>(form8(), "PlotImage"); }
  void press(const char* button) { control<QPushButton>(form8(), button)->click(); }
  QString label(const char* name) const { return control<QLabel>(form8(), name)->text(); }

  // A drag from x1 to x2 at row y.
  void drag(int x1, int x2, int y = 100) {
    mouse(canvas(), QEvent::MouseButtonPress, {x1, y});
    mouse(canvas(), QEvent::MouseMove, {(x1 + x2) / 2, y});
    mouse(canvas(), QEvent::MouseMove, {x2, y});
    mouse(canvas(), QEvent::MouseButtonRelease, {x2, y});
  }

  // Frames whose voiced level 1 is their number (up to 127).
  void numberLevels() {
    for (int f = 1; f <= kMaxFrames; ++f) document.frame(f).voicedLevel(0) = std::min(f, 127);
  }
};

TEST_F(FramesPlotWindowTest, ClickSelectsTheFrameUnderTheMouse) {
  const std::pair<int, int> cases[] = {{1030, 512}, {6, 1}, {205, 100}};
  for (const auto& [x, frame] : cases) {
    mouse(canvas(), QEvent::MouseButtonPress, {x, 100});
    EXPECT_EQ(form8()->frameA(), frame) << x;
    EXPECT_EQ(form8()->frameB(), frame) << x;
    EXPECT_EQ(form8()->selectionState(), TForm8::SelectionState::Dragging);
    EXPECT_EQ(control<QSpinBox>(form1(), "SpinEdit1")->value(), frame) << x;
    EXPECT_EQ(label("FrameALabel"), "FrameA: " + QString::number(frame));
    mouse(canvas(), QEvent::MouseButtonRelease, {x, 100});
  }
}

TEST_F(FramesPlotWindowTest, ClickReadsFrequencyOrLevel) {
  mouse(canvas(), QEvent::MouseButtonPress, {300, 17});
  EXPECT_EQ(label("FreqLabel"), "Freq: 6000");
  EXPECT_EQ(label("LevelLabel"), "Level: ");
  control<QRadioButton>(form8(), "MaxFreq15000")->click();
  mouse(canvas(), QEvent::MouseButtonPress, {300, 137});
  EXPECT_EQ(label("FreqLabel"), "Freq: 6000");
  mouse(canvas(), QEvent::MouseButtonPress, {300, 300});
  EXPECT_EQ(label("FreqLabel"), "Freq:");
  EXPECT_EQ(label("LevelLabel"), "Level: 47");
}

TEST_F(FramesPlotWindowTest, DragFromRightToLeftEndsInOrder) {
  drag(600, 300);
  EXPECT_EQ(form8()->frameA(), 148);  // round(295 / 2), ties to even
  EXPECT_EQ(form8()->frameB(), 298);
  EXPECT_EQ(form8()->selectionState(), TForm8::SelectionState::Made);
  EXPECT_EQ(label("FrameBLabel"), "FrameB: 298");
  EXPECT_EQ(form8()->plotImage().pixelColor(frameX(200), 300), plot_colors::kBlue);
  EXPECT_EQ(form8()->plotImage().pixelColor(frameX(100), 300), plot_colors::kNavy);
}

TEST_F(FramesPlotWindowTest, GroupButtonsClearThenCheckTheirColumn) {
  document.frame(1).setVoiced(0, {18, 0});
  press("VoicedFreqButton");
  for (int k = 1; k <= 8; ++k) {
    EXPECT_FALSE(control<QCheckBox>(form8(), QString("VoicedFreq%1").arg(k))->isChecked());
    EXPECT_TRUE(control<QCheckBox>(form8(), QString("VoicedLvl%1").arg(k))->isChecked());
  }
  press("VoicedFreqButton");
  for (int k = 1; k <= 8; ++k) {
    EXPECT_TRUE(control<QCheckBox>(form8(), QString("VoicedFreq%1").arg(k))->isChecked());
  }
  control<QCheckBox>(form8(), "UnvoicedLvl1")->setChecked(false);
  press("UnvoicedLevelButton");  // the first box decides: check all
  EXPECT_TRUE(control<QCheckBox>(form8(), "UnvoicedLvl1")->isChecked());
}

TEST_F(FramesPlotWindowTest, MaxFreqChoiceRescalesTheCurves) {
  for (FseqFrame& frame : document.frames) frame.setUnvoiced(0, {19, 98});  // 5988 Hz
  control<QRadioButton>(form8(), "MaxFreq6000")->click();
  EXPECT_EQ(form8()->plotImage().pixelColor(frameX(50), 17), plot_colors::kGreen);
  control<QRadioButton>(form8(), "MaxFreq15000")->click();
  EXPECT_EQ(form8()->plotImage().pixelColor(frameX(50), 137), plot_colors::kGreen);
  EXPECT_NE(form8()->plotImage().pixelColor(frameX(50), 17), plot_colors::kGreen);
}

TEST_F(FramesPlotWindowTest, ArrowButtonsMoveTheCursorWithinTheSequence) {
  document.frameCount = 128;
  auto* right = control<QToolButton>(form8(), "CursorRightButton");
  auto* left = control<QToolButton>(form8(), "CursorLeftButton");
  mouse(canvas(), QEvent::MouseButtonPress, {frameX(127), 100});
  mouse(canvas(), QEvent::MouseButtonRelease, {frameX(127), 100});
  right->click();
  right->click();
  EXPECT_EQ(form8()->frameA(), 128);
  EXPECT_EQ(form8()->frameB(), 128);
  EXPECT_EQ(control<QSpinBox>(form1(), "SpinEdit1")->value(), 128);
  left->click();
  EXPECT_EQ(form8()->frameA(), 127);
}

TEST_F(FramesPlotWindowTest, FrameSelectorMovesTheCursor) {
  control<QSpinBox>(form1(), "SpinEdit1")->setValue(40);
  EXPECT_EQ(form8()->frameA(), 40);
  EXPECT_EQ(form8()->frameB(), 40);
  EXPECT_EQ(label("FrameALabel"), "FrameA: 40");
}

TEST_F(FramesPlotWindowTest, SectionEditsWorkOnTheSelectionAndUndoTwiceEqualsOnce) {
  numberLevels();
  const auto original = document.frames;
  drag(frameX(10), frameX(20));
  press("DeleteSectionButton");
  EXPECT_EQ(document.frame(10).voicedLevel(0), 20);
  press("UndoButton");
  EXPECT_EQ(document.frames, original);
  press("UndoButton");
  EXPECT_EQ(document.frames, original);
  EXPECT_EQ(form8()->frameA(), 10);
  EXPECT_EQ(form8()->frameB(), 20);
}

TEST_F(FramesPlotWindowTest, ReduceAndMaximizeUseTheirSliders) {
  for (FseqFrame& frame : document.frames) frame.voicedLevel(0) = 127;
  mouse(canvas(), QEvent::MouseButtonPress, {100, 100});  // one frame: the whole sequence
  mouse(canvas(), QEvent::MouseButtonRelease, {100, 100});
  EXPECT_EQ(label("ReduceLevelLabel"), "80%");
  press("ReduceLevelButton");
  EXPECT_EQ(document.frame(1).voicedLevel(0), 102);
  EXPECT_EQ(document.frame(512).voicedLevel(0), 102);
  press("MaximizeLevelButton");
  EXPECT_EQ(document.frame(300).voicedLevel(0), 127);
  EXPECT_TRUE(ui.messages().empty());
}

TEST_F(FramesPlotWindowTest, MaximizeOverSilenceSaysSoAndChangesNothing) {
  document.frame(100).voicedLevel(0) = 90;
  drag(frameX(10), frameX(20));
  const auto before = document.frames;
  press("MaximizeLevelButton");
  EXPECT_EQ(document.frames, before);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text,
            "There is nothing to maximize: every level of frames 10 to 20 is 0.");
}

TEST_F(FramesPlotWindowTest, ExpandSetsTheFrameCountAndTheSelection) {
  document.frameCount = 128;
  numberLevels();
  control<QSlider>(form8(), "StretchTrackBar")->setValue(3);
  EXPECT_EQ(label("StretchLabel"), "3 X");
  drag(frameX(10), frameX(12));
  press("ExpandButton");
  EXPECT_EQ(document.frameCount, 512);
  EXPECT_TRUE(control<QRadioButton>(form1(), "FramesRadioButton512")->isChecked());
  EXPECT_EQ(form8()->frameB(), 16);
  EXPECT_EQ(label("FrameBLabel"), "FrameB: 16");
  EXPECT_EQ(document.frame(16).voicedLevel(0), 12);
  EXPECT_EQ(document.frame(17).voicedLevel(0), 13);
}

TEST_F(FramesPlotWindowTest, CompressMovesTheSelectionEnd) {
  numberLevels();
  drag(frameX(10), frameX(20));
  press("CompressButton");
  EXPECT_EQ(form8()->frameB(), 15);
  EXPECT_EQ(document.frame(16).voicedLevel(0), 21);
}

TEST_F(FramesPlotWindowTest, MixerChangesTheLevelCurvesButNotTheFrames) {
  for (FseqFrame& frame : document.frames) frame.voicedLevel(0) = 100;
  form8()->repaintPlot();
  EXPECT_EQ(form8()->plotImage().pixelColor(frameX(300), 247), plot_colors::kYellow);
  context.mixer.voicedPercent[0] = 50;
  form8()->MoveCursor();
  EXPECT_EQ(form8()->plotImage().pixelColor(frameX(300), 297), plot_colors::kYellow);
  EXPECT_EQ(document.frame(300).voicedLevel(0), 100);
}

TEST_F(FramesPlotWindowTest, ShowingTheWindowDrawsTheFramesAsTheyAreNow) {
  form8()->hide();
  for (FseqFrame& frame : document.frames) frame.voicedLevel(0) = 100;
  EXPECT_NE(form8()->plotImage().pixelColor(frameX(300), 247), plot_colors::kYellow);
  form8()->show();
  EXPECT_EQ(form8()->plotImage().pixelColor(frameX(300), 247), plot_colors::kYellow);
}

}  // namespace
}  // namespace fseq
