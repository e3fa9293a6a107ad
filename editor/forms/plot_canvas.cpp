#include "editor/forms/plot_canvas.h"

#include <QMouseEvent>
#include <QPainter>

PlotCanvas::PlotCanvas(QSize size, QWidget* parent) : QWidget(parent) {
  setFixedSize(size);
}

void PlotCanvas::setImage(QImage image) {
  image_ = std::move(image);
  update();
}

void PlotCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

void PlotCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit pressed(event->position().toPoint());
}

void PlotCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) emit moved(event->position().toPoint());
}

void PlotCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit released(event->position().toPoint());
}
