#include "editor/forms/unit7.h"

TForm7::TForm7(fseq::EditorContext&, QWidget* parent) : QWidget(parent) {
  setWindowTitle("FS1R UpLoad");
}
