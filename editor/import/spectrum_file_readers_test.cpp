#include "editor/import/spectrum_file_readers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "editor/model/errors.h"

namespace fseq {
namespace {

using ::testing::HasSubstr;

std::string sliceLogHeader(const std::string& scaleLine) {
  return "Veltrix 15 Data\r\n/home/me/a.wav\r\n44100 Hz Sampling Rate\r\n" + scaleLine +
         "\r\n-20 dB Total SPL\r\n1200 msec Event Time\r\n"
         "Relative Spectrum Level in Decibels/Hz\r\n\r\nNum   Hz       dB\r\n\r\n";
}

TEST(SpectrumFileReaders, AudacityExportIsReadAsPairsAfterItsHeader) {
  const std::string text =
      "Frequency (Hz)\tLevel (dB)\n10.766602\t-45.5\n21.533203\t-50\r\n32.299805  -61.25\n";
  const SpectrumPoints points = readAudacitySpectrum(text);
  EXPECT_EQ(points.freqHz, (std::vector<double>{10.766602, 21.533203, 32.299805}));
  EXPECT_EQ(points.levelDb, (std::vector<double>{-45.5, -50, -61.25}));
}

TEST(SpectrumFileReaders, AudacityExportKeepsItsFirst930Points) {
  std::string text = "Frequency (Hz)\tLevel (dB)\n";
  for (int i = 1; i <= 2048; ++i) text += std::to_string(i * 10.766602) + "\t-60\n";
  EXPECT_EQ(readAudacitySpectrum(text).freqHz.size(), 930u);
}

TEST(SpectrumFileReaders, SliceLogIsReadAsTriplesAfterTenLines) {
  std::string text = sliceLogHeader("10.77 Hz Frequency Resolution");
  text += "0     5.38     -40.0\r\n1     16.15    -45.5\r\n12    134.58   -45.5\r\n";
  const SpectrumPoints points = readSliceLogSpectrum(text);
  EXPECT_EQ(points.freqHz, (std::vector<double>{5.38, 16.15, 134.58}));
  EXPECT_EQ(points.levelDb, (std::vector<double>{-40.0, -45.5, -45.5}));
}

TEST(SpectrumFileReaders, BadFilesAreRefusedWithTheLine) {
  struct Case {
    const char* name;
    std::string text;
    bool slice;
    const char* message;
  };
  const Case cases[] = {
      {"word for a level", "F L\n10 -40\n20 loud\n", false, "line 3: \"loud\" is not a number"},
      {"lone frequency", "F L\n10 -40\n20\n", false, "line 3: the level after \"20\" is missing"},
      {"empty export", "Frequency (Hz)\tLevel (dB)\n", false, "no spectrum points"},
      {"fraction as point number",
       sliceLogHeader("10.77 Hz Frequency Resolution") + "0.5 5.38 -40\r\n", true,
       "line 11: \"0.5\" is not a whole number"},
      {"log scale", sliceLogHeader("Log Frequency Scale") + "20 -40\r\n", true,
       "only slice logs of the Linear frequency scale"},
      {"third octave scale", sliceLogHeader("1/3 Octave Frequency Scale") + "20 -40\r\n", true,
       "only slice logs of the Linear frequency scale"},
      {"header only", sliceLogHeader("10.77 Hz Frequency Resolution"), true, "no spectrum points"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      c.slice ? readSliceLogSpectrum(c.text) : readAudacitySpectrum(c.text);
      ADD_FAILURE() << "accepted";
    } catch (const FormatError& error) {
      EXPECT_THAT(error.what(), HasSubstr(c.message));
    }
  }
}

}  // namespace
}  // namespace fseq
