#include "editor/forms/window_helpers.h"

#include <QFontDatabase>

namespace fseq {

QPushButton* makeButton(const char* objectName, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(objectName);
  return button;
}

QLabel* makeLabel(const char* objectName, const QString& text) {
  auto* label = new QLabel(text);
  label->setObjectName(objectName);
  return label;
}

void makeFileNameLabel(QLabel* label) {
  label->setStyleSheet("color: blue; font-weight: bold;");
}

void showWindow(QWidget* window) {
  if (!window) return;
  window->show();
  window->raise();
  window->activateWindow();
}

QFont monospaceFont() {
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

}  // namespace fseq
