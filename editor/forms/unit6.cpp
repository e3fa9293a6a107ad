#include "editor/forms/unit6.h"

TForm6_Settings::TForm6_Settings(fseq::EditorContext&, QWidget* parent) : QWidget(parent) {
  setWindowTitle("Import Settings");
}
