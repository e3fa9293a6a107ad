#include "editor/model/freq_pair.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace fseq {
namespace {

TEST(FreqPair, WorkedValuesChainThroughEveryConversion) {
  struct Case {
    double hz;
    FreqPair pair;
    double pairHz;
    DumpFreqBytes bytes;
  };
  const Case cases[] = {
      {100, {13, 111}, 100.383, {96, 58}},   {440, {15, 127}, 437.872, {104, 121}},
      {1000, {17, 24}, 1002.703, {109, 96}}, {2500, {18, 65}, 2503.953, {115, 3}},
      {8000, {20, 24}, 8021.627, {121, 96}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hz);
    const FreqPair pair = FreqSettings(c.hz);
    EXPECT_EQ(pair, c.pair);
    EXPECT_NEAR(FreqValue2(pair.coarse, pair.fine), c.pairHz, 0.0005);
    const DumpFreqBytes bytes = FS1RToFseq(pair.coarse, pair.fine);
    EXPECT_EQ(bytes, c.bytes);
    EXPECT_EQ(FseqToFS1R(bytes.high, bytes.low), c.pair);
  }
}

TEST(FreqPair, FreqValue2ClampsItsArguments) {
  EXPECT_EQ(FreqValue2(-3, 200), FreqValue2(0, 127));
  EXPECT_EQ(FreqValue2(30, -5), FreqValue2(21, 0));
  EXPECT_NEAR(FreqValue2(0, 0), 0.0067177, 1e-7);
  EXPECT_NEAR(FreqValue2(1, 0), 0.013435364, 1e-12);
  EXPECT_NEAR(FreqValue2(21, 127), 28023.8, 0.05);
}

TEST(FreqPair, FreqSettingsMapsEveryPairsFrequencyBackToThatPair) {
  for (std::int32_t coarse = 0; coarse <= kMaxCoarse; ++coarse) {
    for (std::int32_t fine = 1; fine <= kMaxFine; ++fine) {
      ASSERT_EQ(FreqSettings(FreqValue2(coarse, fine)), (FreqPair{coarse, fine}))
          << coarse << ", " << fine;
    }
  }
}

TEST(FreqPair, FreqSettingsRoundsUpToTheNextFineStep) {
  const double ratio = std::pow(2.0, 1.0 / 128);
  struct Case {
    double hz;
    FreqPair expected;
  };
  const Case cases[] = {
      {FreqValue2(17, 24) * std::sqrt(ratio), {17, 25}},  // between two steps
      {FreqValue2(17, 24) * 1.0001, {17, 25}},            // just above a step
      {FreqValue2(17, 24) * 0.9999, {17, 24}},            // just below a step
      {110, {13, 127}},                                   // needs fine 128, which is clamped
      {FreqValue2(9, 0), {9, 1}},                         // an octave's base has no fine 0
      {1e12, {21, 127}},
      {std::numeric_limits<double>::infinity(), {21, 127}},
  };
  for (const Case& c : cases) EXPECT_EQ(FreqSettings(c.hz), c.expected) << c.hz;
}

TEST(FreqPair, FreqSettingsAtOrBelowTheLowestPairGivesZero) {
  const double values[] = {
      0.0, -1.0, -1e300, FreqValue2(0, 0), 0.005, std::numeric_limits<double>::quiet_NaN()};
  for (double hz : values) EXPECT_EQ(FreqSettings(hz), (FreqPair{0, 0})) << hz;
  EXPECT_EQ(FreqSettings(FreqValue2(0, 0) * 1.001), (FreqPair{0, 1}));
}

TEST(FreqPair, FreqValueWritesDecimalsByMagnitude) {
  struct Case {
    FreqPair pair;
    const char* text;
  };
  const Case cases[] = {{{17, 24}, "1003"},  {{13, 111}, "100.4"}, {{5, 0}, "0.215"},
                        {{0, 0}, "0.007"},   {{10, 0}, "6.879"},   {{12, 0}, "27.52"},
                        {{21, 127}, "28024"}};
  for (const Case& c : cases) EXPECT_EQ(FreqValue(c.pair.coarse, c.pair.fine), c.text);
}

TEST(FreqPair, DumpBytesOfTheExtremes) {
  EXPECT_EQ(FS1RToFseq(0, 0), (DumpFreqBytes{41, 0}));
  EXPECT_EQ(FseqToFS1R(41, 0), (FreqPair{0, 0}));
  EXPECT_EQ(FS1RToFseq(21, 96), (DumpFreqBytes{0x7F, 0x7E}));
  EXPECT_EQ(FS1RToFseq(21, 97), (DumpFreqBytes{0x7F, 0x7F}));
  EXPECT_EQ(FS1RToFseq(21, 127), (DumpFreqBytes{0x7F, 0x7F}));
}

TEST(FreqPair, EveryEncodablePairSurvivesTheDumpBytes) {
  for (std::int32_t coarse = 0; coarse <= kMaxCoarse; ++coarse) {
    for (std::int32_t fine = 0; fine <= kMaxFine; ++fine) {
      if (coarse == kMaxCoarse && fine >= 97) continue;
      const DumpFreqBytes bytes = FS1RToFseq(coarse, fine);
      ASSERT_LE(bytes.high, 0x7F);
      ASSERT_LE(bytes.low, 0x7F);
      ASSERT_EQ(FseqToFS1R(bytes.high, bytes.low), (FreqPair{coarse, fine}))
          << coarse << ", " << fine;
    }
  }
}

}  // namespace
}  // namespace fseq
