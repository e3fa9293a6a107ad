#include "analyzer/app/tolk_cli.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "analyzer/dsp/test_wave.h"
#include "test_support/files.h"
#include "test_support/temp_dir.h"

namespace tolk {
namespace {

struct CliRun {
  int status = 0;
  std::string out;
  std::string err;
};

class TolkCliTest : public ::testing::Test {
 protected:
  CliRun run(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runTolkCli(args, dir_.path(), out, err);
    return {status, out.str(), err.str()};
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  void tone(const std::string& name, int channels, int rateHz, std::size_t frames) {
    testing::writeTestWave(dir_ / name, channels, rateHz, frames, [=](int c, std::size_t i) {
      const double f = c == 0 ? 1000 : 3000;
      return 8000 * std::cos(2 * M_PI * f * double(i) / rateHz);
    });
  }
  // The level fields of a map log row.
  static std::vector<int> levels(const std::string& row) {
    std::vector<int> values;
    std::istringstream fields(row.substr(row.find("msec, ") + 6));
    std::string field;
    while (std::getline(fields, field, ',')) {
      if (field.find_first_not_of(" \r") != std::string::npos) values.push_back(std::stoi(field));
    }
    return values;
  }
  static std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
  }
  test_support::TempDir dir_;
};

TEST_F(TolkCliTest, InfoPrintsTheHeaderAndAcceptsUltrasoundRates) {
  tone("bat.wav", 1, 192000, 19200);
  const CliRun r = run({"info", path("bat.wav")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "format: extensible\nchannels: 1\nrate: 192000\nbits: 16\nsource bits: 16\n"
            "data bytes: 38400\nseconds: 0.100\n");
  const CliRun missing = run({"info", path("none.wav")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "tolk-cli: " + path("none.wav") + ": Cannot Open File\n");
}

TEST_F(TolkCliTest, MapLogOfAToneHasItsPeakInTheTonesPoint) {
  tone("tone.wav", 1, 44100, 44100);
  const CliRun r = run({"analyze", path("tone.wav"), "--maplog", path("map.txt"), "--fft", "4096",
                        "--high", "8000", "--width", "7"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto log = lines(test_support::readText(dir_ / "map.txt"));
  ASSERT_GT(log.size(), 20u);
  EXPECT_EQ(log[1], std::filesystem::absolute(dir_ / "tone.wav").string() + "\r");
  EXPECT_EQ(log[4], "FFT Points 0 to 743 Recorded\r");
  const auto row = levels(log[15]);
  ASSERT_EQ(row.size(), 743u);
  EXPECT_EQ(std::max_element(row.begin(), row.end()) - row.begin(), 93);
  EXPECT_NE(r.out.find("map log: " + path("map.txt")), std::string::npos);
}

TEST_F(TolkCliTest, DualStereoLogsTheLeftChannelAndRightLogsTheRight) {
  tone("two.wav", 2, 44100, 44100);
  for (const auto& [channel, peak] : {std::pair{"dual", 93}, std::pair{"right", 279}}) {
    const CliRun r = run({"analyze", path("two.wav"), "--maplog", path("map.txt"), "--fft", "4096",
                          "--high", "8000", "--channel", channel});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto row = levels(lines(test_support::readText(dir_ / "map.txt"))[14]);
    EXPECT_EQ(std::max_element(row.begin(), row.end()) - row.begin(), peak) << channel;
  }
}

TEST_F(TolkCliTest, RefusalsNameTheFileAndTheMessage) {
  tone("bat.wav", 1, 192000, 192000);
  tone("short.wav", 1, 48000, 4096);
  tone("tone.wav", 1, 48000, 48000);
  struct Case {
    std::vector<std::string> args;
    std::string file;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"analyze", path("bat.wav"), "--maplog", path("m.txt")},
       path("m.txt"),
       "Log Not Available With Expanded Frequency Scale"},
      {{"analyze", path("short.wav"), "--fft", "4096"}, path("short.wav"), "Time Scale Too Small"},
      {{"analyze", path("bat.wav"), "--begin", "3"}, path("bat.wav"), "Improper Begin or End"},
      {{"analyze", path("tone.wav"), "--maplog", path("none/m.txt")},
       path("none/m.txt"),
       "Cannot Open File"},
  };
  for (const Case& c : cases) {
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, 1) << c.message;
    EXPECT_EQ(r.err, "tolk-cli: " + c.file + ": " + c.message + "\n");
  }
  EXPECT_FALSE(std::filesystem::exists(dir_ / "m.txt"));
}

TEST_F(TolkCliTest, UltrasoundFilesAreAnalysedWithAWarningAndRealFrequencies) {
  tone("bat.wav", 1, 192000, 192000);
  const CliRun r = run({"analyze", path("bat.wav"), "--image", path("bat.bmp"), "--high", "96000"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("     Sampling rate is greater than 96000 Hz.\n"
                        "File will be analyzed as UltraSound recording.\n",
                        0),
            0u);
  EXPECT_NE(r.out.find("48000 Hz x 4"), std::string::npos);
  EXPECT_NE(r.out.find("band 0 to 96000 Hz"), std::string::npos);
}

TEST_F(TolkCliTest, WrongUsageExitsWithTwo) {
  tone("tone.wav", 1, 44100, 44100);
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"play"},
                                             {"analyze"},
                                             {"analyze", path("tone.wav"), "--fft", "1000"},
                                             {"analyze", path("tone.wav"), "--bogus", "1"},
                                             {"analyze", path("tone.wav"), "--image", "a.png"},
                                             {"analyze", path("tone.wav"), "--levels", "90:0"},
                                             {"analyze", path("tone.wav"), "--window"}}) {
    const CliRun r = run(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args.back());
    EXPECT_NE(r.err.find("Try 'tolk-cli --help'."), std::string::npos);
  }
  EXPECT_EQ(run({"--help"}).status, 0);
}

TEST_F(TolkCliTest, ImageHasTheToneInItsRowAndScalesWithTheWidth) {
  tone("tone.wav", 1, 48000, 96000);
  const CliRun r = run({"analyze", path("tone.wav"), "--image", path("a.bmp"), "--display",
                        "scroll1", "--width", "2", "--font", "courier"});
  ASSERT_EQ(r.status, 0) << r.err;
  const QImage image(QString::fromStdString(path("a.bmp")));
  ASSERT_FALSE(image.isNull());
  // 2 s over the visible columns, so the whole image is about the window's width.
  EXPECT_GT(image.width(), 700);
  EXPECT_LT(image.width(), 800);
  // The tone (1000 Hz of 0 ... 6000 Hz) is the brightest row of a column in the middle.
  const int x = image.width() / 2;
  int brightest = 0;
  for (int y = 0; y < image.height(); ++y) {
    if (qGray(image.pixel(x, y)) > qGray(image.pixel(x, brightest))) brightest = y;
  }
  const double bandBottom = image.height() - 2 * 13.0;  // about two text lines
  EXPECT_NEAR(bandBottom - brightest, (bandBottom) / 6, 12);

  const CliRun wide = run({"analyze", path("tone.wav"), "--image", path("b.jpg"), "--image-width",
                           "1600", "--quality", "80", "--dpi", "300"});
  ASSERT_EQ(wide.status, 0) << wide.err;
  const QImage jpeg(QString::fromStdString(path("b.jpg")));
  EXPECT_EQ(jpeg.width(), 1600);
  EXPECT_GT(jpeg.height(), 800);
}

TEST_F(TolkCliTest, SliceLogOfTheLinearScaleHasARowPerPoint) {
  tone("tone.wav", 1, 44100, 88200);
  const CliRun r = run({"analyze", path("tone.wav"), "--slicelog", "1500:" + path("s.txt"), "--fft",
                        "4096", "--high", "8000"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto log = lines(test_support::readText(dir_ / "s.txt"));
  ASSERT_EQ(log.size(), 10u + 743u);
  EXPECT_EQ(log[5], "1500 msec Event Time\r");
  EXPECT_EQ(log[22].substr(0, 15), "12    134.58   ");
  const CliRun late = run({"analyze", path("tone.wav"), "--slicelog", "1990:" + path("t.txt")});
  EXPECT_EQ(late.status, 1);
}

}  // namespace
}  // namespace tolk
