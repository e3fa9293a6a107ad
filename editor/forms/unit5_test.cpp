#include "editor/forms/unit5.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "editor/forms/editor_test_fixture.h"
#include "editor/forms/plot_canvas.h"
#include "editor/plots/plot_colors.h"

namespace fseq {
namespace {

class FormantPlotWindowTest : public EditorTest {
 protected:
  QString label(const char* name) const { return control<QLabel>(form5(), name)->text(); }
  PlotCanvas* canvas() const { return control<PlotCanvas>(form5(), "PlotImage"); }
};

TEST_F(FormantPlotWindowTest, ClickReadsFrequencyAndLevel) {
  form5()->show();
  mouse(canvas(), QEvent::MouseButtonPress, {30, 10});
  EXPECT_EQ(label("FreqLabel"), "Freq:  0");
  EXPECT_EQ(label("VolLabel"), "Vol:   -30");
  EXPECT_EQ(label("LevelLabel"), "Level: 127");
  mouse(canvas(), QEvent::MouseButtonPress, {775, 328});
  EXPECT_EQ(label("FreqLabel"), "Freq:  8000");
  EXPECT_EQ(label("VolLabel"), "Vol:   -100");
  EXPECT_EQ(label("LevelLabel"), "Level: 0");
}

TEST_F(FormantPlotWindowTest, StepButtonsMoveEveryView) {
  const std::tuple<int, const char*, int> cases[] = {
      {500, "+50", 512}, {4, "-10", 1}, {100, "+1", 101}, {100, "-50", 50}};
  for (const auto& [from, button, to] : cases) {
    document.currentFrame = from;
    control<QPushButton>(form5(), button)->click();
    EXPECT_EQ(document.currentFrame, to) << from << " " << button;
    EXPECT_EQ(control<QLineEdit>(form5(), "FrameEdit")->text(), QString::number(to));
    EXPECT_EQ(control<QSpinBox>(form1(), "SpinEdit1")->value(), to);
    EXPECT_EQ(control<QLineEdit>(form2(), "FrameEdit")->text(), QString::number(to));
    EXPECT_EQ(form8()->frameA(), to);
  }
}

TEST_F(FormantPlotWindowTest, EnterSelectsTheTypedFrameOrRefusesText) {
  document.frameCount = 128;
  auto* edit = control<QLineEdit>(form5(), "FrameEdit");
  typeAndEnter(edit, "300");
  EXPECT_EQ(document.currentFrame, 128);
  typeAndEnter(edit, "-3");
  EXPECT_EQ(document.currentFrame, 1);
  document.currentFrame = 60;
  typeAndEnter(edit, "sixty");
  EXPECT_EQ(document.currentFrame, 60);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text,
            "\"sixty\" is not a frame number. Type a whole number from 1 to 128.");
}

TEST_F(FormantPlotWindowTest, ImportedSpectrumIsDrawnOnlyOverTheImportedFrame) {
  context.spectrum.level.fill(-65.0);
  context.spectrum.smoothed.fill(-80.0);
  document.importedFrame = 5;

  document.currentFrame = 5;
  form5()->repaintPlot();
  EXPECT_EQ(form5()->plotImage().pixelColor(500, 170), plot_colors::kHotLight);
  document.currentFrame = 6;
  form5()->repaintPlot();
  EXPECT_EQ(form5()->plotImage().pixelColor(500, 170), plot_colors::kNavy);
}

TEST_F(FormantPlotWindowTest, MixerSetsTheCurveHeights) {
  document.frame(1).setVoiced(0, {18, 23});
  document.frame(1).voicedLevel(0) = 127;
  form5()->repaintPlot();
  EXPECT_EQ(form5()->plotImage().pixelColor(216, 10), plot_colors::kLime);
  context.mixer.voicedPercent[0] = 50;
  form5()->repaintPlot();
  EXPECT_NE(form5()->plotImage().pixelColor(216, 10), plot_colors::kLime);
  EXPECT_EQ(form5()->plotImage().pixelColor(216, 170), plot_colors::kLime);
  EXPECT_EQ(document.frame(1).voicedLevel(0), 127);
}

}  // namespace
}  // namespace fseq
