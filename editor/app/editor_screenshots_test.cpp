#include "editor/app/editor_screenshots.h"

#include <gtest/gtest.h>

#include <QImage>
#include <fstream>
#include <sstream>

#include "editor/app/sample_sequence.h"
#include "editor/plots/plot_colors.h"
#include "test_support/temp_dir.h"

namespace fseq {
namespace {

bool hasColour(const QImage& image, const QColor& colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == colour) return true;
    }
  }
  return false;
}

TEST(EditorScreenshots, WritesEveryWindowWithTheSampleLoaded) {
  test_support::TempDir folder;
  std::ostringstream err;
  ASSERT_EQ(writeEditorScreenshots(folder / "shots", err), 0) << err.str();
  for (const char* name : {"TForm1", "TForm2_Edit", "TForm3", "TForm4", "TForm5_Plots",
                           "TForm6_Settings", "TForm7", "TForm8"}) {
    const QImage image(QString::fromStdString((folder / "shots" / name).string() + ".png"));
    ASSERT_FALSE(image.isNull()) << name;
    EXPECT_GE(image.width(), 100) << name;
    EXPECT_GE(image.height(), 60) << name;
  }
  const QImage formants(QString::fromStdString((folder / "shots/TForm5_Plots.png").string()));
  EXPECT_TRUE(hasColour(formants, plot_colors::kLime));
  const QImage frames(QString::fromStdString((folder / "shots/TForm8.png").string()));
  EXPECT_TRUE(hasColour(frames, plot_colors::kYellow));
  EXPECT_TRUE(hasColour(frames, plot_colors::kGreen));
}

TEST(EditorScreenshots, ReportsAFolderThatCannotBeCreated) {
  test_support::TempDir folder;
  std::ostringstream err;
  std::ofstream(folder / "file") << "x";
  EXPECT_EQ(writeEditorScreenshots(folder / "file" / "shots", err), 1);
  EXPECT_NE(err.str().find("fseq-editor: "), std::string::npos);
}

TEST(SampleSequence, MovesItsFormantsWithinThePlots) {
  const FseqDocument document = sampleSequence();
  EXPECT_EQ(document.frameCount, 512);
  EXPECT_NE(document.frame(1).voiced(1), document.frame(200).voiced(1));
  for (const FseqFrame& frame : document.frames) {
    for (int k = 0; k < kFormantCount; ++k) {
      EXPECT_LT(FreqValue2(frame.voiced(k).coarse, frame.voiced(k).fine), 6200);
      EXPECT_LT(FreqValue2(frame.unvoiced(k).coarse, frame.unvoiced(k).fine), 6200);
      EXPECT_GE(frame.voicedLevel(k), 0);
      EXPECT_LE(frame.voicedLevel(k), 127);
    }
  }
}

}  // namespace
}  // namespace fseq
