// fseq-editor: the windowed FS1R formant-sequence editor.
//   fseq-editor                     runs the editor
//   fseq-editor --screenshots DIR   writes a PNG of every window into DIR and exits
#include <QApplication>
#include <iostream>
#include <string>

#include "editor/app/editor_screenshots.h"
#include "editor/forms/fseq_editor.h"
#include "editor/forms/qt_ui_services.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(fseq::kApplicationTitle);

  const QStringList args = QApplication::arguments();
  if (args.size() == 3 && args[1] == "--screenshots") {
    return fseq::writeEditorScreenshots(args[2].toStdString(), std::cerr);
  }
  if (args.size() != 1) {
    std::cerr << "usage: fseq-editor [--screenshots DIR]\n";
    return 2;
  }

  fseq::QtUiServices ui;
  fseq::FseqEditor editor(ui);
  editor.windows().form1->show();
  return QApplication::exec();
}
