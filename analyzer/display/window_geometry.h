#pragma once

#include <QFont>
#include <QString>

#include "analyzer/dsp/image_layout.h"

namespace tolk {

// The label fonts: Arial, Times New Roman and Courier New, drawn with their
// metric-compatible Liberation fonts.
enum class LabelFont { Arial, Times, Courier };

// The font of `family` with a character height of `pixelHeight` pixels. The
// Liberation fonts are registered on first use (a Qt GUI application must exist).
QFont labelFont(LabelFont family, int pixelHeight);

// The window geometry for a client area of W x H pixels: an Arial font of
// W * 3 / 4 / 54 pixels, cw and ch its average width and line height, and
// the image area, margins, rows and plot width that follow from them.
struct WindowGeometry {
  int clientWidth = 0;
  int clientHeight = 0;
  int fontHeight = 0;
  int cw = 0;
  int ch = 0;
  int scrollBarThickness = 0;
  int imageRight = 0;
  int imageHeight = 0;
  int imageLeft = 0;
  int timeAxisHeight = 0;
  int scroll1Rows = 0;
  int stripHeight = 0;
  int scroll2Rows = 0;
  int scopePlotWidth = 0;
  int buttonHeight = 0;

  ImageLayout imageLayout() const;
};

WindowGeometry layoutWindow(int clientWidth, int clientHeight);

}  // namespace tolk
