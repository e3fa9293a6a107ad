#include "editor/plots/note_pictures.h"

#include <gtest/gtest.h>

namespace fseq {
namespace {

TEST(NotePictures, NoteNamesAndFrequencies) {
  EXPECT_EQ(noteName(0), "C-1");
  EXPECT_EQ(noteName(10), "A#-1");
  EXPECT_EQ(noteName(60), "C4");
  EXPECT_EQ(noteName(69), "A4");
  EXPECT_EQ(noteName(127), "G9");
  EXPECT_DOUBLE_EQ(noteFrequencyHz(69), 440.0);
  EXPECT_DOUBLE_EQ(noteFrequencyHz(57), 220.0);
  EXPECT_NEAR(noteFrequencyHz(60), 261.63, 0.005);
}

TEST(NotePictures, PicturesAreDrawn) {
  for (const QImage& picture : {drawMidiNoteNumbers(), drawNoteFrequencies()}) {
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(picture.width(), 600);
    EXPECT_GT(picture.height(), 250);
  }
}

}  // namespace
}  // namespace fseq
