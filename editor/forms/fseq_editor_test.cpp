#include "editor/forms/fseq_editor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "editor/forms/editor_test_fixture.h"

namespace fseq {
namespace {

using StartUp = EditorTest;

TEST_F(StartUp, CreatesTheEightWindowsHiddenAndNotModal) {
  const EditorWindows& w = editor.windows();
  const std::vector<std::pair<QWidget*, QString>> windows = {
      {w.form1, "Vostrel FS1R Fseq Value Editor"},
      {w.form2, "Edit Fseq Frame Values"},
      {w.form3, "Midi Note Numbers"},
      {w.form4, "Note Frequencies"},
      {w.form5, "Formant Plot"},
      {w.form6, "Import Settings"},
      {w.form7, "FS1R UpLoad"},
      {w.form8, "Frames Plot"}};
  for (const auto& [window, caption] : windows) {
    ASSERT_NE(window, nullptr) << caption.toStdString();
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_FALSE(window->isVisible()) << caption.toStdString();
    EXPECT_FALSE(window->isModal()) << caption.toStdString();
  }
  // Only the main window ends the program when it closes.
  EXPECT_TRUE(w.form1->testAttribute(Qt::WA_QuitOnClose));
  EXPECT_FALSE(w.form8->testAttribute(Qt::WA_QuitOnClose));
}

TEST_F(StartUp, BeginsWithAnEmpty512FrameDocument) {
  EXPECT_EQ(document.frameCount, 512);
  EXPECT_EQ(document.currentFrame, 1);
  EXPECT_EQ(document.importedFrame, 0);
  EXPECT_EQ(document.frames, FseqDocument{}.frames);
  EXPECT_EQ(document.undoFrames, FseqDocument{}.frames);
  EXPECT_EQ(context.mixer, UploadMixer{});
  EXPECT_EQ(context.importSettings, ImportSettings{});
  EXPECT_EQ(context.spectrum.xScale, 1.0);
  EXPECT_EQ(form8()->frameA(), 1);
  EXPECT_EQ(form8()->frameB(), 512);
  EXPECT_EQ(form8()->selectionState(), TForm8::SelectionState::None);
}

TEST_F(StartUp, MainWindowShowsTheStartUpSettings) {
  EXPECT_EQ(control<QSpinBox>(form1(), "SpinEdit1")->value(), 1);
  EXPECT_EQ(control<QLineEdit>(form1(), "NameEdit")->text(), "fseq Name");
  EXPECT_EQ(control<QSpinBox>(form1(), "NoteAssignSpinEdit")->value(), 60);
  EXPECT_EQ(control<QSpinBox>(form1(), "LoopEndSpinEdit")->value(), 512);
  EXPECT_EQ(control<QSpinBox>(form1(), "LastValidFrameSpinEdit")->value(), 512);
  EXPECT_TRUE(control<QRadioButton>(form1(), "FramesRadioButton512")->isChecked());
  EXPECT_TRUE(control<QRadioButton>(form1(), "OneWayRadioButton")->isChecked());
  EXPECT_TRUE(control<QRadioButton>(form1(), "RadioButton7")->isChecked());
  EXPECT_EQ(control<QLabel>(form1(), "Label1")->text(), "Data File Name");
  EXPECT_EQ(control<QLabel>(form1(), "Label2")->text(), "Sysex File Name");
  EXPECT_EQ(control<QLabel>(form1(), "Label19")->text(), "Import File Name");
  EXPECT_EQ(control<QLineEdit>(form1(), "Edit2")->text(), "5.3");
  EXPECT_FALSE(control<QWidget>(form1(), "ProgressBar1")->isVisibleTo(form1()));
  EXPECT_EQ(document.settings, FseqSettings{});
}

TEST_F(StartUp, ButtonsShowTheirWindows) {
  const EditorWindows& w = editor.windows();
  const std::vector<std::tuple<QWidget*, QString, QWidget*>> cases = {
      {w.form1, "EditFramesButton", w.form2},
      {w.form1, "NoteAssignPictureButton", w.form3},
      {w.form2, "NoteFrequenciesButton", w.form4},
      {w.form1, "BitBtn1", w.form5},
      {w.form1, "ImportSettingsButton", w.form6},
      {w.form1, "UploadButton", w.form7},
      {w.form1, "BitBtn2", w.form8}};
  for (const auto& [owner, button, shown] : cases) {
    control<QPushButton>(owner, button)->click();
    EXPECT_TRUE(shown->isVisible()) << button.toStdString();
    EXPECT_FALSE(shown->isModal()) << button.toStdString();
  }
  EXPECT_TRUE(ui.messages().empty());
}

TEST_F(StartUp, CloseButtonsHideTheirWindows) {
  for (QWidget* window : {static_cast<QWidget*>(form2()), static_cast<QWidget*>(form5()),
                          static_cast<QWidget*>(form8())}) {
    window->show();
    control<QPushButton>(window, "CloseButton")->click();
    EXPECT_FALSE(window->isVisible()) << window->windowTitle().toStdString();
  }
  form1()->show();
  control<QPushButton>(form1(), "CloseButton")->click();  // "Exit"
  EXPECT_FALSE(form1()->isVisible());
}

}  // namespace
}  // namespace fseq
