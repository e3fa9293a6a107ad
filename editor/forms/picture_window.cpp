#include "editor/forms/picture_window.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

PictureWindow::PictureWindow(const QString& caption, const QImage& picture, QWidget* parent)
    : QWidget(parent) {
  setWindowTitle(caption);
  auto* label = new QLabel;
  label->setObjectName("Picture");
  label->setPixmap(QPixmap::fromImage(picture));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  setFixedSize(picture.size());
}
