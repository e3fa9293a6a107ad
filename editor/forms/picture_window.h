#pragma once

#include <QImage>
#include <QWidget>

// A window that shows one fixed picture and nothing else.
class PictureWindow : public QWidget {
 public:
  PictureWindow(const QString& caption, const QImage& picture, QWidget* parent = nullptr);
};
