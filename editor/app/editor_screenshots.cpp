#include "editor/app/editor_screenshots.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <system_error>
#include <utility>
#include <vector>

#include "editor/app/sample_sequence.h"
#include "editor/forms/fseq_editor.h"
#include "editor/forms/scripted_ui_services.h"
#include "editor/model/file_operations.h"

namespace fseq {

namespace {

constexpr int kShownFrame = 100;

// Loads the sample through the main window's "Load .syx", as a user would.
void loadSample(FseqEditor& editor, ScriptedUiServices& ui, const QString& file) {
  saveSyxFile(file.toStdString(), sampleSequence(), UploadMixer{});
  ui.queueFileName(file);
  editor.windows().form1->findChild<QPushButton*>("LoadSysexButton")->click();
  editor.windows().form1->showFrame(kShownFrame);
}

}  // namespace

int writeEditorScreenshots(const std::filesystem::path& folder, std::ostream& err) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    err << "fseq-editor: " << folder.string() << ": " << error.message() << "\n";
    return 1;
  }
  QTemporaryDir scratch;
  if (!scratch.isValid()) {
    err << "fseq-editor: cannot create a temporary folder: " << scratch.errorString().toStdString()
        << "\n";
    return 1;
  }
  ScriptedUiServices ui;
  FseqEditor editor(ui);
  try {
    loadSample(editor, ui, scratch.filePath("Vowels.syx"));
  } catch (const std::exception& failure) {
    err << "fseq-editor: cannot load the sample sequence: " << failure.what() << "\n";
    return 1;
  }

  const EditorWindows& windows = editor.windows();
  const std::vector<std::pair<const char*, QWidget*>> shots = {
      {"TForm1", windows.form1},       {"TForm2_Edit", windows.form2},
      {"TForm3", windows.form3},       {"TForm4", windows.form4},
      {"TForm5_Plots", windows.form5}, {"TForm6_Settings", windows.form6},
      {"TForm7", windows.form7},       {"TForm8", windows.form8}};
  for (const auto& [name, window] : shots) {
    window->show();
    QApplication::processEvents();
    const std::filesystem::path file = folder / (std::string(name) + ".png");
    if (!window->grab().save(QString::fromStdString(file.string()), "PNG")) {
      err << "fseq-editor: cannot write " << file.string() << "\n";
      return 1;
    }
    window->hide();
  }
  return 0;
}

}  // namespace fseq
