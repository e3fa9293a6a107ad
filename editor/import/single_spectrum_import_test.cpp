#include "editor/import/single_spectrum_import.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>

namespace fseq {
namespace {

using ::testing::ElementsAre;

constexpr double kBinHz = 44100.0 / 4096;

// A spectrum at the given spacing with a floor and a few peaks.
SpectrumPoints spectrum(double spacingHz, int points, double floorDb,
                        std::vector<std::pair<double, double>> peaks = {}) {
  SpectrumPoints result;
  for (int i = 1; i <= points; ++i) {
    result.freqHz.push_back(spacingHz * i);
    result.levelDb.push_back(floorDb);
  }
  for (const auto& [hz, db] : peaks) {
    const auto nearest = static_cast<std::size_t>(std::lround(hz / spacingHz)) - 1;
    result.levelDb[nearest] = db;
  }
  return result;
}

struct Imported {
  ImportOutcome outcome;
  FseqDocument document;
  SpectrumImportBuffer buffer;
};

Imported import(SpectrumSource source, const SpectrumPoints& points, int frame = 1,
                const ImportSettings& settings = {}) {
  Imported result;
  result.document.currentFrame = frame;
  result.outcome =
      importSpectrum(source, points, "vowel.txt", settings, result.document, result.buffer);
  return result;
}

std::pair<double, double> levelRange(const SpectrumImportBuffer& buffer, int points) {
  const auto levels = std::span(buffer.level).subspan(1, static_cast<std::size_t>(points));
  const auto [low, high] = std::minmax_element(levels.begin(), levels.end());
  return {*low, *high};
}

TEST(SingleSpectrumImport, LevelsAreNormalisedToTheLevelScale) {
  const Imported loud = import(SpectrumSource::Audacity, spectrum(kBinHz, 930, -80, {{1000, -10}}));
  EXPECT_EQ(levelRange(loud.buffer, 930), (std::pair<double, double>{-100, -30}));

  const Imported quiet =
      import(SpectrumSource::Audacity, spectrum(kBinHz, 930, -80, {{1000, -60}}));
  EXPECT_EQ(levelRange(quiet.buffer, 930), (std::pair<double, double>{-100, -80}));

  // The peak at −30 dB is the loudest level, the floor the silent one.
  const FseqFrame& frame = loud.document.frame(1);
  EXPECT_EQ(frame.voicedLevel(2), 127);
  EXPECT_EQ(frame.voiced(2), FreqSettings(kBinHz * std::lround(1000 / kBinHz)));
  EXPECT_EQ(frame.voicedLevel(5), 0);
}

TEST(SingleSpectrumImport, AudacityImportReportsEachStep) {
  const SpectrumPoints points =
      spectrum(kBinHz, 930, -70, {{129, -20}, {560, -25}, {1200, -22}, {2000, -30}});
  const Imported result = import(SpectrumSource::Audacity, points, 17);
  const Report& report = result.outcome.report;
  ASSERT_EQ(report.size(), 7u + 8);
  EXPECT_EQ(report[0].text, " ");
  EXPECT_EQ(report[1].text, "Importing Audacity File Name: vowel");
  EXPECT_EQ(report[2].text, "F:10.77  L:-70.00 -to- F:8021.12  L:-70.00");
  EXPECT_EQ(report[3].text, "j=743  XScale=1.00");
  EXPECT_EQ(report[4].text, "Data Normalized.");
  EXPECT_EQ(report[5].text, " ");
  EXPECT_EQ(report[6].text, "Pitch:129.20 hz");
  // The floor −70 becomes −100 and the loudest peak −20 becomes −50, below −30,
  // so nothing is shifted further: −50 dB is level 91. Band 1's smoothed peak
  // is the window holding the 129 Hz point, (23 × −100 − 50) / 25 − 3 = −97 dB,
  // level 5; it is a plateau from the first point on.
  EXPECT_EQ(report[7].text,
            "VFreq1: 129.20 hz   Level1: 91   UnFrq1: 10.77 hz   UnLvl1: 5   diff: 86");
  // −22 dB becomes −52 dB, level 87; the smoothed plateau of the spike at
  // point 111 starts 12 points lower, at 1065.89 Hz.
  EXPECT_EQ(report[9].text,
            "VFreq3: 1195.09 hz   Level3: 87   UnFrq3: 1065.89 hz   UnLvl3: 5   diff: 82");
  EXPECT_TRUE(result.outcome.messages.empty());

  EXPECT_EQ(result.document.importedFrame, 17);
  EXPECT_EQ(result.document.frame(17).pitch(), FreqSettings(129.19921875));
  EXPECT_EQ(result.document.frame(1), FseqFrame{});
}

TEST(SingleSpectrumImport, DenseAudacityExportBringsUpTheReExportAdvice) {
  // An 8192-point export at 44100 Hz: point 743 lies near 4000 Hz.
  const Imported result = import(SpectrumSource::Audacity, spectrum(44100.0 / 8192, 930, -70));
  EXPECT_THAT(result.outcome.messages, ElementsAre(std::string(kReExportMessage)));
  EXPECT_EQ(result.document.importedFrame, 1);
  EXPECT_EQ(result.outcome.report.back().text.substr(0, 6), "VFreq8");
}

TEST(SingleSpectrumImport, SliceImportEndsTheSpectrumAtPoint743) {
  const SpectrumPoints points = spectrum(kBinHz, 743, -60, {{600, -30}});
  const Imported result = import(SpectrumSource::SliceLog, points);
  const Report& report = result.outcome.report;
  EXPECT_EQ(report[1].text, "Importing Veltrix16 File Name: vowel");
  EXPECT_EQ(report[2].text, "F:10.77  L:-60.00 -to- F:7999.58  L:-60.00");
  EXPECT_EQ(report[3].text, "Data Normalized.");
  EXPECT_EQ(result.buffer.freq[744], 8005);
  EXPECT_EQ(result.buffer.freq[745], 8010);
  EXPECT_EQ(result.buffer.xScale, 1.0);
  EXPECT_EQ(result.document.frame(1).voiced(1), FreqSettings(kBinHz * 56));
}

TEST(SingleSpectrumImport, PostProcessingReachesEveryFrame) {
  FseqDocument document;
  document.frame(400).voicedLevel(0) = 150;
  document.frame(400).unvoicedLevel(0) = 20;
  ImportSettings settings;
  settings.separateBands = true;
  SpectrumImportBuffer buffer;
  importSpectrum(SpectrumSource::SliceLog, spectrum(kBinHz, 743, -60), "x.txt", settings, document,
                 buffer);
  EXPECT_EQ(document.frame(400).voicedLevel(0), 127);
  EXPECT_EQ(document.frame(400).unvoicedLevel(0), 0);
}

}  // namespace
}  // namespace fseq
