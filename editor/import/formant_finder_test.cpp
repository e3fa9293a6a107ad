#include "editor/import/formant_finder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace fseq {
namespace {

// A buffer whose points lie at the given spacing from the first point on.
SpectrumImportBuffer evenlySpaced(double spacingHz, int points, double levelDb = -100) {
  SpectrumImportBuffer buffer;
  for (int i = 1; i <= points; ++i) {
    buffer.freq[i] = spacingHz * i;
    buffer.level[i] = levelDb;
  }
  return buffer;
}

int pointNear(const SpectrumImportBuffer& buffer, double hz) {
  int best = 1;
  for (int i = 1; i <= SpectrumImportBuffer::kPoints; ++i) {
    if (std::abs(buffer.freq[i] - hz) < std::abs(buffer.freq[best] - hz)) best = i;
  }
  return best;
}

TEST(FormantFinder, DbToLevelScale) {
  const std::pair<double, std::int32_t> cases[] = {{-30, 127}, {-100, 0},   {-65, 63},
                                                   {-29, 129}, {-120, -36}, {0, 181}};
  for (const auto& [db, level] : cases) EXPECT_EQ(dbToLevel(db), level) << db;
  EXPECT_EQ(dbToLevel(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(dbToLevel(std::numeric_limits<double>::infinity()),
            std::numeric_limits<std::int32_t>::max());
}

TEST(FormantFinder, PitchSearchExaminesUpToTheFirstPointAtOrAboveTheMaximum) {
  // Points at 10.77 Hz, 21.53 Hz …: with a 300 Hz maximum points 1 … 28 are
  // examined, the 28th (301.5 Hz) being the first at or above 300 Hz.
  SpectrumImportBuffer buffer = evenlySpaced(10.766602, 900, -90);
  buffer.level[28] = -40;
  EXPECT_EQ(findPitchPoint(buffer, 300), 28);
  buffer.level[29] = -35;
  EXPECT_EQ(findPitchPoint(buffer, 300), 28);
  buffer.level[5] = -40;  // a tie keeps the lower point
  EXPECT_EQ(findPitchPoint(buffer, 300), 5);
  EXPECT_EQ(findPitchPoint(buffer, 10), 1);
}

TEST(FormantFinder, PitchSearchStopsAtPoint744) {
  SpectrumImportBuffer buffer = evenlySpaced(0.5, 930, -90);  // 744 points reach only 372 Hz
  buffer.level[744] = -50;
  buffer.level[745] = -10;
  EXPECT_EQ(findPitchPoint(buffer, 1000), 744);
}

TEST(FormantFinder, SmoothingIsARunningMeanWithTheEndsHeld) {
  SpectrumImportBuffer buffer = evenlySpaced(10, 929, -60);
  smoothSpectrum(buffer, 929);
  // 24 points of −60 divided by 25, lowered by 3 dB.
  const double flat = -60.0 * 24 / 25 - 3;
  for (int i = 1; i <= SpectrumImportBuffer::kPoints; ++i) {
    ASSERT_NEAR(buffer.smoothed[i], flat, 1e-9) << i;
  }
  buffer.level[100] = 0;  // a spike spreads over the 24 window positions that hold it
  smoothSpectrum(buffer, 929);
  EXPECT_NEAR(buffer.smoothed[87], flat, 1e-9);
  EXPECT_NEAR(buffer.smoothed[88], flat + 60.0 / 25, 1e-9);
  EXPECT_NEAR(buffer.smoothed[111], flat + 60.0 / 25, 1e-9);
  EXPECT_NEAR(buffer.smoothed[112], flat, 1e-9);
}

TEST(FormantFinder, EachBandTakesItsLoudestRawAndSmoothedPoint) {
  SpectrumImportBuffer buffer = evenlySpaced(10, 929, -90);
  const double peaks[] = {120, 500, 1000, 2000, 2600, 4000, 5000, 7000};
  for (double hz : peaks) buffer.level[pointNear(buffer, hz)] = -40;
  smoothSpectrum(buffer, 929);
  const auto found = findFormants(buffer, formantBands(ImportSettings{}), 930);
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(buffer.freq[found[k].voicedPoint], peaks[k]) << "band " << k + 1;
    EXPECT_EQ(found[k].voicedDb, -40);
    // The smoothed peak of an isolated spike is a plateau; the lowest of it wins.
    EXPECT_LE(std::abs(buffer.freq[found[k].unvoicedPoint] - peaks[k]), 120) << k + 1;
  }
}

TEST(FormantFinder, TheStoppingPointBelongsToTheBandBelow) {
  SpectrumImportBuffer buffer = evenlySpaced(10, 929, -90);
  buffer.level[30] = -40;  // 300 Hz: the first point at or above band 1's 300 Hz
  buffer.level[31] = -45;
  const auto found = findFormants(buffer, formantBands(ImportSettings{}), 930);
  EXPECT_EQ(found[0].voicedPoint, 30);
  EXPECT_EQ(found[1].voicedPoint, 31);
}

TEST(FormantFinder, SpecificFrequenciesSkipToEachLowerLimit) {
  ImportSettings settings;
  settings.mode = FormantLocationMode::SpecificFrequencies;
  SpectrumImportBuffer buffer = evenlySpaced(10, 929, -90);
  buffer.level[pointNear(buffer, 600)] = -30;  // between band 2 (400 … 600) and band 3 (900 …)
  buffer.level[pointNear(buffer, 950)] = -50;
  const auto found = findFormants(buffer, formantBands(settings), 930);
  EXPECT_EQ(buffer.freq[found[1].voicedPoint], 600);
  EXPECT_EQ(buffer.freq[found[2].voicedPoint], 950);
}

TEST(FormantFinder, SkippingPastTheLastPointStopsInsteadOfRunningOff) {
  ImportSettings settings;
  settings.mode = FormantLocationMode::SpecificFrequencies;
  SpectrumImportBuffer buffer = evenlySpaced(2.69, 930, -90);  // 930 points end near 2500 Hz
  const auto found = findFormants(buffer, formantBands(settings), 930);
  EXPECT_EQ(found[7].voicedPoint, 930);
}

TEST(FormantFinder, SeparateBandsKeepOneLevelPerFormantInEveryFrame) {
  struct Case {
    std::int32_t voiced, unvoiced, keptVoiced, keptUnvoiced;
  };
  const Case cases[] = {{90, 85, 0, 85}, {100, 85, 100, 0}, {95, 85, 95, 0}, {200, -5, 127, 0}};
  for (const Case& c : cases) {
    FseqDocument document;
    for (int frame : {1, 300, 512}) {
      document.frame(frame).voicedLevel(3) = c.voiced;
      document.frame(frame).unvoicedLevel(3) = c.unvoiced;
    }
    ImportSettings settings;
    settings.separateBands = true;
    postProcessLevels(document, settings);
    for (int frame : {1, 300, 512}) {
      EXPECT_EQ(document.frame(frame).voicedLevel(3), c.keptVoiced)
          << c.voiced << "/" << c.unvoiced;
      EXPECT_EQ(document.frame(frame).unvoicedLevel(3), c.keptUnvoiced);
    }
  }
}

TEST(FormantFinder, LevelsAreClampedWithoutSeparation) {
  FseqDocument document;
  document.frame(7).voicedLevel(0) = 140;
  document.frame(7).unvoicedLevel(0) = -12;
  postProcessLevels(document, ImportSettings{});
  EXPECT_EQ(document.frame(7).voicedLevel(0), 127);
  EXPECT_EQ(document.frame(7).unvoicedLevel(0), 0);
}

TEST(FormantFinder, SilentFormantsCarryThePreviousFrequencyForward) {
  FseqDocument document;
  for (int j = 1; j <= 30; ++j) {
    document.frame(j).setVoiced(1, {17, j});
    document.frame(j).voicedLevel(1) = (j >= 10 && j <= 20) ? 0 : 80;
    document.frame(j).setUnvoiced(1, {18, j});
    document.frame(j).unvoicedLevel(1) = 50;
  }
  carrySilentFrequencies(document);
  for (int j = 10; j <= 20; ++j) EXPECT_EQ(document.frame(j).voiced(1), (FreqPair{17, 9})) << j;
  EXPECT_EQ(document.frame(21).voiced(1), (FreqPair{17, 21}));
  EXPECT_EQ(document.frame(15).unvoiced(1), (FreqPair{18, 15}));
}

}  // namespace
}  // namespace fseq
