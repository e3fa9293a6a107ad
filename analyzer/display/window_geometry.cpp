#include "analyzer/display/window_geometry.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <mutex>

namespace tolk {

namespace {

// Caption height of the desktop the window geometry was laid out for; the
// scroll bars are three quarters of it.
constexpr int kCaptionHeight = 23;
constexpr const char* kFontFolder = "/usr/share/fonts/truetype/liberation2/";

void registerLiberationFonts() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (const char* file : {"LiberationSans-Regular.ttf", "LiberationSerif-Regular.ttf",
                             "LiberationMono-Regular.ttf"}) {
      QFontDatabase::addApplicationFont(QString(kFontFolder) + file);
    }
  });
}

QString familyName(LabelFont family) {
  switch (family) {
    case LabelFont::Arial:
      return "Liberation Sans";
    case LabelFont::Times:
      return "Liberation Serif";
    case LabelFont::Courier:
      return "Liberation Mono";
  }
  return "Liberation Sans";
}

}  // namespace

QFont labelFont(LabelFont family, int pixelHeight) {
  registerLiberationFonts();
  QFont font(familyName(family));
  font.setPixelSize(pixelHeight > 0 ? pixelHeight : 1);
  font.setWeight(QFont::Normal);
  font.setStyleStrategy(QFont::PreferQuality);
  return font;
}

ImageLayout WindowGeometry::imageLayout() const {
  return ImageLayout{imageLeft,      imageRight,  imageHeight,
                     timeAxisHeight, stripHeight, scopePlotWidth};
}

WindowGeometry layoutWindow(int clientWidth, int clientHeight) {
  WindowGeometry g;
  g.clientWidth = clientWidth;
  g.clientHeight = clientHeight;
  g.fontHeight = clientWidth * 3 / 4 / 54;
  const QFontMetrics metrics(labelFont(LabelFont::Arial, g.fontHeight));
  g.cw = metrics.averageCharWidth();
  g.ch = metrics.height();
  g.scrollBarThickness = kCaptionHeight * 3 / 4;
  g.imageRight = clientWidth - g.scrollBarThickness;
  g.imageHeight = clientHeight - 7 * g.ch;
  g.imageLeft = 10 * g.cw;
  g.timeAxisHeight = 2 * g.ch;
  g.scroll1Rows = g.imageHeight - 2 * g.ch;
  g.stripHeight = (g.imageHeight - 2 * g.ch) / 8;
  g.scroll2Rows = g.scroll1Rows - g.stripHeight;
  g.scopePlotWidth = (clientWidth - 22 * g.cw) / 2;
  g.buttonHeight = g.ch * 8 / 6;
  return g;
}

}  // namespace tolk
