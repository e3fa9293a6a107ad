#pragma once

#include <QImage>
#include <QWidget>

// Shows a plot's finished image at its own size at the widget's top left and
// passes the mouse on in image coordinates.
class PlotCanvas : public QWidget {
  Q_OBJECT

 public:
  explicit PlotCanvas(QSize size, QWidget* parent = nullptr);

  void setImage(QImage image);
  const QImage& image() const { return image_; }

 signals:
  void pressed(QPoint position);
  void moved(QPoint position);
  void released(QPoint position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage image_;
};
