#include "editor/forms/qt_ui_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace fseq {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::Information:
      break;
  }
  return QMessageBox::Information;
}

std::optional<QString> chosen(const QString& fileName) {
  if (fileName.isEmpty()) return std::nullopt;
  return fileName;
}

}  // namespace

void QtUiServices::message(const QString& caption, const QString& text, MessageIcon icon) {
  QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

std::optional<QString> QtUiServices::openFileName(const QString& caption) {
  return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), caption));
}

std::optional<QString> QtUiServices::saveFileName(const QString& caption) {
  // No filter, so QFileDialog adds no extension to the name typed.
  return chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), caption));
}

}  // namespace fseq
