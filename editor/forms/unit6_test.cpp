#include "editor/forms/unit6.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>

#include "editor/forms/editor_test_fixture.h"
#include "editor/forms/unit5.h"

namespace fseq {
namespace {

class ImportSettingsWindowTest : public EditorTest {
 protected:
  TForm6_Settings* form6() const { return editor.windows().form6; }
  QScrollBar* bar(const char* name) const { return control<QScrollBar>(form6(), name); }
  QSpinBox* spin(const char* name) const { return control<QSpinBox>(form6(), name); }
  QString value(const char* bar) const {
    return control<QLabel>(form6(), QString(bar) + "Value")->text();
  }
};

TEST_F(ImportSettingsWindowTest, StartsWithTheDefaultsInEveryControl) {
  EXPECT_EQ(form6()->windowTitle(), "Import Settings");
  EXPECT_EQ(bar("PitchFinderMaxBar")->value(), 300);
  EXPECT_EQ(value("PitchFinderMaxBar"), "300");
  EXPECT_EQ(bar("NoiseLevelBiasBar")->value(), 0);
  const int bands[] = {300, 750, 1500, 2300, 3000, 4500, 5500, 8000};
  const int specific[] = {250, 500, 1000, 2000, 2500, 3500, 5000, 7000};
  const int widths[] = {5, 5, 10, 20, 30, 40, 50, 60};
  for (int k = 0; k < 8; ++k) {
    const QByteArray n = QByteArray::number(k + 1);
    EXPECT_EQ(bar("BandBar" + n)->value(), bands[k]);
    EXPECT_EQ(spin("FormantFreq" + n)->value(), specific[k]);
    EXPECT_EQ(bar("BandwidthBar" + n)->value(), widths[k]);
  }
  EXPECT_EQ(spin("RangeSpin")->value(), 100);
  EXPECT_FALSE(control<QCheckBox>(form6(), "SeparateBandsCheck")->isChecked());
  EXPECT_EQ(spin("DifferenceThresholdSpin")->value(), 10);
}

TEST_F(ImportSettingsWindowTest, ControlsHaveTheirRangesAndPageSteps) {
  struct Case {
    const char* name;
    int min, max, page;
  };
  const Case cases[] = {{"PitchFinderMaxBar", 10, 1000, 50}, {"NoiseLevelBiasBar", -50, 50, 10},
                        {"BandBar1", 0, 8000, 50},           {"BandBar3", 0, 8000, 50},
                        {"BandBar4", 0, 8000, 100},          {"BandBar8", 0, 8000, 100},
                        {"BandwidthBar2", 0, 99, 10}};
  for (const Case& c : cases) {
    EXPECT_EQ(bar(c.name)->minimum(), c.min) << c.name;
    EXPECT_EQ(bar(c.name)->maximum(), c.max) << c.name;
    EXPECT_EQ(bar(c.name)->pageStep(), c.page) << c.name;
  }
  spin("FormantFreq3")->setValue(9000);
  EXPECT_EQ(context.importSettings.specificHz[2], 8000);
  spin("RangeSpin")->setValue(5);
  EXPECT_EQ(context.importSettings.specificRangeHz, 10);
  spin("DifferenceThresholdSpin")->setValue(31);
  EXPECT_EQ(context.importSettings.differenceThreshold, 30);
}

TEST_F(ImportSettingsWindowTest, MovingAControlShowsAndStoresItsValue) {
  bar("PitchFinderMaxBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(value("PitchFinderMaxBar"), "350");
  EXPECT_EQ(context.importSettings.pitchFinderMax, 350);
  bar("BandBar5")->setValue(2800);
  EXPECT_EQ(context.importSettings.bandUpperHz[4], 2800);
  control<QCheckBox>(form6(), "SeparateBandsCheck")->setChecked(true);
  EXPECT_TRUE(context.importSettings.separateBands);

  // The bandwidths are for the formant plot only and redraw it.
  document.importedFrame = 1;
  document.frame(1).setVoiced(0, {17, 0});
  document.frame(1).voicedLevel(0) = 120;
  form5()->repaintPlot();
  const QImage before = form5()->plotImage();
  bar("BandwidthBar1")->setValue(60);
  EXPECT_EQ(context.importSettings.formantBandwidth[0], 60);
  EXPECT_NE(form5()->plotImage(), before);
}

TEST_F(ImportSettingsWindowTest, ModeShowsItsOwnControlsAndKeepsAllValues) {
  const auto shown = [this](const char* name) {
    return !form6()->findChild<QWidget*>(name)->isHidden();
  };
  EXPECT_TRUE(shown("BandBar1"));
  EXPECT_FALSE(shown("FormantFreq1"));
  EXPECT_FALSE(shown("RangeSpin"));

  bar("BandBar2")->setValue(800);
  spin("FormantFreq2")->setValue(640);
  const ImportSettings before = context.importSettings;
  control<QRadioButton>(form6(), "SpecificFrequenciesButton")->click();
  EXPECT_EQ(context.importSettings.mode, FormantLocationMode::SpecificFrequencies);
  EXPECT_FALSE(shown("BandBar1"));
  EXPECT_TRUE(shown("FormantFreq1"));
  EXPECT_TRUE(shown("RangeSpin"));
  control<QRadioButton>(form6(), "FrequencyBandsButton")->click();
  EXPECT_EQ(context.importSettings, before);
  EXPECT_EQ(bar("BandBar2")->value(), 800);
  EXPECT_EQ(spin("FormantFreq2")->value(), 640);
}

TEST_F(ImportSettingsWindowTest, CloseHidesTheWindow) {
  form6()->show();
  control<QPushButton>(form6(), "CloseButton")->click();
  EXPECT_TRUE(form6()->isHidden());
}

}  // namespace
}  // namespace fseq
