#include "editor/import/import_settings.h"

#include <gtest/gtest.h>

namespace fseq {
namespace {

TEST(ImportSettings, DefaultsAreThoseOfTheWindow) {
  const ImportSettings settings;
  EXPECT_EQ(settings.pitchFinderMax, 300);
  EXPECT_EQ(settings.noiseLevelBias, 0);
  EXPECT_EQ(settings.mode, FormantLocationMode::FrequencyBands);
  EXPECT_EQ(settings.bandUpperHz,
            (std::array<std::int32_t, 8>{300, 750, 1500, 2300, 3000, 4500, 5500, 8000}));
  EXPECT_EQ(settings.formantBandwidth, (std::array<std::int32_t, 8>{5, 5, 10, 20, 30, 40, 50, 60}));
  EXPECT_FALSE(settings.separateBands);
  EXPECT_EQ(settings.differenceThreshold, 10);
}

TEST(ImportSettings, FrequencyBandsUseOnlyTheUpperLimits) {
  ImportSettings settings;
  const FormantBands bands = formantBands(settings);
  EXPECT_FALSE(bands.skipToLower);
  EXPECT_EQ(bands.upperHz, (std::array<double, 8>{300, 750, 1500, 2300, 3000, 4500, 5500, 8000}));
}

TEST(ImportSettings, SpecificFrequenciesFormBandsAroundEachFrequency) {
  ImportSettings settings;
  settings.mode = FormantLocationMode::SpecificFrequencies;
  settings.specificHz[0] = 50;
  FormantBands bands = formantBands(settings);
  EXPECT_TRUE(bands.skipToLower);
  EXPECT_EQ(bands.lowerHz[0], 10);  // 50 − 100, raised to 10
  EXPECT_EQ(bands.upperHz[0], 210);
  EXPECT_EQ(bands.lowerHz[3], 1900);
  EXPECT_EQ(bands.upperHz[3], 2100);

  settings.specificRangeHz = 1000;
  bands = formantBands(settings);
  EXPECT_EQ(bands.lowerHz[6], 4000);  // 5000 ± 1000
  EXPECT_EQ(bands.upperHz[6], 6000);
  EXPECT_EQ(bands.lowerHz[7], 6000);  // 7000 − 1000, and 2 × 1000 above that is the ceiling
  EXPECT_EQ(bands.upperHz[7], 8000);
  settings.specificHz[6] = 7500;
  EXPECT_EQ(formantBands(settings).upperHz[6], 8000);  // 6500 + 2000 is cut to 8000
}

TEST(ImportSettings, ClampingBringsValuesIntoTheControlRanges) {
  ImportSettings settings;
  settings.pitchFinderMax = 5;
  settings.bandUpperHz[2] = 9000;
  settings.specificRangeHz = 5000;
  settings.differenceThreshold = -3;
  settings.clampToRanges();
  EXPECT_EQ(settings.pitchFinderMax, 10);
  EXPECT_EQ(settings.bandUpperHz[2], 8000);
  EXPECT_EQ(settings.specificRangeHz, 1000);
  EXPECT_EQ(settings.differenceThreshold, 0);
}

}  // namespace
}  // namespace fseq
