#include "editor/forms/unit2.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

#include "editor/forms/editor_test_fixture.h"

namespace fseq {
namespace {

class ValueEditorTest : public EditorTest {
 protected:
  void SetUp() override {
    for (int f = 1; f <= kMaxFrames; ++f) {
      document.frame(f).setPitch({13, 111});
      document.frame(f).setVoiced(0, {17, 24});
      document.frame(f).voicedLevel(0) = f % 128;
    }
  }
  QString text(const QString& name) const { return control<QLabel>(form2(), name)->text(); }
  QScrollBar* bar(const QString& name) const { return control<QScrollBar>(form2(), name); }
  void press(const char* button) { control<QPushButton>(form2(), button)->click(); }
};

TEST_F(ValueEditorTest, ShowsTheFrameAndItsNeighbours) {
  form2()->Populate(10);
  EXPECT_EQ(control<QLineEdit>(form2(), "FrameEdit")->text(), "10");
  EXPECT_EQ(bar("PitchCoarseScrollBar")->value(), 13);
  EXPECT_EQ(bar("PitchFineScrollBar")->value(), 111);
  EXPECT_EQ(text("PitchFreqText"), "100.4");
  EXPECT_EQ(text("Voiced1FreqText"), "1003");
  EXPECT_EQ(bar("Voiced1LevelScrollBar")->value(), 10);
  EXPECT_EQ(text("PreviousValue0"), "100.4");  // pitch of frame 9
  EXPECT_EQ(text("PreviousValue9"), "9");      // L1 of frame 9
  EXPECT_EQ(text("NextValue9"), "11");
  EXPECT_EQ(text("NextValue17"), "0.007");  // UF1 of frame 11
}

TEST_F(ValueEditorTest, FirstAndLastFramesHaveNoNeighbourOnOneSide) {
  document.frameCount = 256;
  form2()->Populate(1);
  for (int i = 0; i < 33; ++i) {
    EXPECT_EQ(text(QString("PreviousValue%1").arg(i)), "---") << i;
    EXPECT_NE(text(QString("NextValue%1").arg(i)), "---") << i;
  }
  form2()->Populate(256);
  for (int i = 0; i < 33; ++i) {
    EXPECT_NE(text(QString("PreviousValue%1").arg(i)), "---") << i;
    EXPECT_EQ(text(QString("NextValue%1").arg(i)), "---") << i;
  }
}

TEST_F(ValueEditorTest, StepButtonsStayWithinTheSequenceAndMoveEveryView) {
  struct Case {
    int from;
    const char* button;
    int to;
  };
  const Case cases[] = {{500, "+50", 512}, {4, "-10", 1},    {1, "-1", 1},    {511, "+1", 512},
                        {100, "+10", 110}, {100, "-50", 50}, {512, "+1", 512}};
  for (const Case& c : cases) {
    document.currentFrame = c.from;
    press(c.button);
    EXPECT_EQ(document.currentFrame, c.to) << c.from << " " << c.button;
    EXPECT_EQ(control<QLineEdit>(form2(), "FrameEdit")->text(), QString::number(c.to));
    EXPECT_EQ(control<QSpinBox>(form1(), "SpinEdit1")->value(), c.to);
    EXPECT_EQ(control<QLineEdit>(form5(), "FrameEdit")->text(), QString::number(c.to));
  }
}

TEST_F(ValueEditorTest, EnterInTheFrameBoxSelectsTheFrame) {
  document.frameCount = 384;
  auto* edit = control<QLineEdit>(form2(), "FrameEdit");
  const std::pair<QString, int> cases[] = {{"77", 77}, {" 12 ", 12}, {"0", 1}, {"900", 384}};
  for (const auto& [typed, frame] : cases) {
    typeAndEnter(edit, typed);
    EXPECT_EQ(document.currentFrame, frame) << typed.toStdString();
    EXPECT_EQ(form8()->frameA(), frame) << typed.toStdString();
  }
  EXPECT_TRUE(ui.messages().empty());
}

TEST_F(ValueEditorTest, AFrameNumberThatIsNotAnIntegerIsRefused) {
  document.currentFrame = 40;
  for (const QString typed : {"abc", "12.5", ""}) {
    typeAndEnter(control<QLineEdit>(form2(), "FrameEdit"), typed);
    EXPECT_EQ(document.currentFrame, 40) << typed.toStdString();
  }
  ASSERT_EQ(ui.messages().size(), 3u);
  EXPECT_EQ(ui.messages()[0].caption, "Vostrel_Fseq_Editor");
  EXPECT_EQ(ui.messages()[0].text,
            "\"abc\" is not a frame number. Type a whole number from 1 to 512.");
}

TEST_F(ValueEditorTest, ScrollBarsWriteTheCurrentFrame) {
  document.currentFrame = 7;
  form2()->Populate(7);
  bar("Voiced3CoarseScrollBar")->setValue(21);
  bar("Voiced3FineScrollBar")->setValue(127);
  EXPECT_EQ(document.frame(7).voiced(2), (FreqPair{21, 127}));
  EXPECT_EQ(text("Voiced3FreqText"), "28024");

  const FseqFrame before = document.frame(7);
  bar("Unvoiced5LevelScrollBar")->setValue(90);
  EXPECT_EQ(text("Unvoiced5LevelText"), "90");
  FseqFrame expected = before;
  expected.unvoicedLevel(4) = 90;
  EXPECT_EQ(document.frame(7), expected);
  EXPECT_EQ(document.frame(8).unvoicedLevel(4), 0);
}

TEST_F(ValueEditorTest, ShowingTheWindowShowsTheCurrentFrame) {
  document.currentFrame = 33;
  form2()->show();
  EXPECT_EQ(control<QLineEdit>(form2(), "FrameEdit")->text(), "33");
  EXPECT_EQ(bar("Voiced1LevelScrollBar")->value(), 33);
}

}  // namespace
}  // namespace fseq
