#include "analyzer/display/axes.h"

#include <QPainter>
#include <cmath>
#include <cstdio>

#include "analyzer/dsp/rounding.h"

namespace tolk {

namespace {

constexpr double kTimeSteps[] = {0.001, 0.002, 0.005, 0.01,  0.02,  0.05,  0.1,   0.2, 0.5,
                                 1,     2,     5,     10,    20,    50,    100,   200, 500,
                                 1000,  2000,  5000,  10000, 20000, 50000, 100000};
constexpr int kFrequencySteps[] = {1,   2,    5,    10,   20,    50,    100,   200,
                                   500, 1000, 2000, 5000, 10000, 20000, 50000, 100000};
constexpr int kLogMantissas[] = {10, 20, 30, 50};

template <class... Args>
QString formatted(const char* format, Args... values) {
  char text[64];
  std::snprintf(text, sizeof text, format, values...);
  return QString::fromLatin1(text);
}

int scaled(int value, double scale) {
  return roundToInt(value * scale);
}

QString timeText(double seconds, double step, bool dual) {
  if (step <= 0.02) return formatted("%-3u ms", unsigned(roundToInt(seconds * 1000)));
  if (step <= 0.5) return formatted(dual ? "%-0.1f sec" : "%-0.2f sec", seconds);
  if (step <= 50) return formatted("%-3u sec", unsigned(roundToInt(seconds)));
  return formatted("%-0.1f ksec", double(roundToInt(seconds)) / 1000);
}

QString frequencyText(int hz) {
  if (hz < 100) return formatted("%-0u Hz", unsigned(hz));
  if (hz < 1000) return formatted("%-2.1f kHz", hz / 1000.0);
  return formatted("%-0u kHz", unsigned(hz / 1000));
}

// Bottom of the spectrum band and its height (target pixels).
struct Band {
  int top = 0;  // first spectrum row (below the strip in Scroll 2)
  int bottom = 0;
  int height = 0;
};

Band spectrumBand(const AxesContext& c, double scale) {
  Band band;
  band.bottom = scaled(c.layout.imageHeight - c.layout.timeAxisHeight, scale);
  band.top = c.displayMode == DisplayMode::Scroll2 ? scaled(c.layout.stripHeight, scale) : 0;
  band.height = band.bottom - band.top;
  return band;
}

QColor colorOf(const ColorPoint& p) {
  return QColor(p.red, p.green, p.blue);
}

}  // namespace

double timeStepSeconds(double spanSeconds) {
  double best = kTimeSteps[0];
  for (const double step : kTimeSteps) {
    if (std::fabs(step - spanSeconds / 5) < std::fabs(best - spanSeconds / 5)) best = step;
  }
  return best;
}

int frequencyStepHz(double spanHz) {
  if (spanHz < 10) return 1;
  int best = kFrequencySteps[0];
  for (const int step : kFrequencySteps) {
    if (std::fabs(step - spanHz / 5) < std::fabs(best - spanHz / 5)) best = step;
  }
  return best;
}

std::vector<AxisLabel> timeLabels(const AxesContext& c, double scale, LabelFont font) {
  const int m = c.timeExpanded ? c.multiplier : 1;
  const double msPerPixel = c.msPerColumn / scale / m;
  const double spanSeconds = c.msPerColumn / m * c.layout.imageRight / 1000;
  const double step = timeStepSeconds(spanSeconds);
  const int left = scaled(c.layout.imageLeft, scale);
  const int halfWidth = c.dual ? scaled(c.imageWidth, scale) / 2 : scaled(c.imageWidth, scale);
  const double startSeconds = c.displayStartMs / 1000 / m;
  const double first = std::ceil(startSeconds / step - 1e-9) * step;
  const QFontMetrics metrics(labelFont(font, scaled(c.fontHeight, scale)));
  std::vector<AxisLabel> labels;
  for (int half = 0; half < (c.dual ? 2 : 1); ++half) {
    const int origin = half * halfWidth;
    for (int k = 0;; ++k) {
      const double seconds = first + k * step;
      const double x = left + (seconds - startSeconds) * 1000 / msPerPixel;
      if (x >= halfWidth) break;
      AxisLabel label{timeText(seconds, step, c.dual), origin + roundToInt(x), 0};
      const int textLeft = k == 0 ? label.x : label.x - 3 * scaled(c.cw, scale);
      if (textLeft + metrics.horizontalAdvance(label.text) >= origin + halfWidth) break;
      labels.push_back(label);
    }
  }
  return labels;
}

std::vector<AxisLabel> frequencyLabels(const AxesContext& c, double scale) {
  const Band band = spectrumBand(c, scale);
  const int ch = scaled(c.ch, scale);
  const double m = c.multiplier;
  const double low = c.lowBandLimit * m;
  const double high = c.highBandLimit * m;
  const int topLimit = c.displayMode == DisplayMode::Scroll2 ? ch + band.top : 2 * ch;
  std::vector<AxisLabel> labels;
  if (c.freqScale == FrequencyScale::Linear) {
    const double span = high - low;
    const int step = frequencyStepHz(span);
    const double first = std::ceil(low / step) * step;
    const int count = truncToInt(span / step + 1);
    const double hzPerRow = (high - low) / band.height;
    for (int k = 0; k < count; ++k) {
      const double value = first + double(k) * step;
      int y = roundToInt(band.bottom - (value - low) / hzPerRow - 1);
      if (y > band.bottom - ch) y = band.bottom - ch;
      if (y <= topLimit || value > high) continue;
      labels.push_back({frequencyText(int(value)), 0, y});
    }
    return labels;
  }
  const double base = high <= 48000 ? 1 : high <= 240000 ? 10 : 100;
  const double s = (std::log10(high) - std::log10(low)) / band.height;
  const int logTop = c.displayMode == DisplayMode::Scroll2 ? band.top : ch;
  for (int decade = 0; decade < 5; ++decade) {
    for (const int mantissa : kLogMantissas) {
      const double value = mantissa * base * std::pow(10.0, decade);
      const double y = band.bottom - (std::log10(value) - std::log10(low)) / s;
      if (y > logTop && y < band.bottom - 1.5 * ch) {
        labels.push_back({formatted("%-0u", unsigned(roundToInt(value))), 0, roundToInt(y)});
      }
    }
  }
  return labels;
}

void drawAxes(QImage& target, const AxesContext& c, const ColorScale& colors, double scale,
              LabelFont font) {
  const QColor background = colorOf(colors.points[ColorScale::kBackground]);
  const QColor text = colorOf(colors.points[ColorScale::kText]);
  const QColor marker = colorOf(colors.points[ColorScale::kFreqMark]);
  const int left = scaled(c.layout.imageLeft, scale);
  const int ch = scaled(c.ch, scale);
  const int width = target.width();
  const int halves = c.dual ? 2 : 1;
  const int halfWidth = width / halves;
  const Band band = spectrumBand(c, scale);
  const int timeTop = band.bottom;
  const int timeHeight = scaled(c.layout.imageHeight, scale) - timeTop;
  const int penWidth = std::max(1, roundToInt(scale));

  QPainter painter(&target);
  painter.setFont(labelFont(font, scaled(c.fontHeight, scale)));
  const QFontMetrics metrics = painter.fontMetrics();
  for (int half = 0; half < halves; ++half) {
    const int origin = half * halfWidth;
    painter.fillRect(origin, 0, left, target.height(), background);
    painter.fillRect(origin, timeTop, halfWidth, timeHeight, background);
    painter.setPen(QPen(background, penWidth));
    painter.drawLine(origin + left, timeTop, origin + halfWidth, timeTop);
  }

  painter.setPen(text);
  for (const AxisLabel& label : timeLabels(c, scale, font)) {
    const int textLeft = label.x == left || (c.dual && label.x == halfWidth + left)
                             ? label.x
                             : label.x - 3 * scaled(c.cw, scale);
    painter.drawText(textLeft, timeTop + ch / 2 + metrics.ascent(), label.text);
  }
  for (const AxisLabel& label : frequencyLabels(c, scale)) {
    const int textWidth = metrics.horizontalAdvance(label.text);
    for (int half = 0; half < halves; ++half) {
      const int x = half * halfWidth + (left - textWidth) / 2;
      painter.drawText(x, label.y - metrics.height() / 2 + metrics.ascent(), label.text);
    }
  }
  if (c.displayMode == DisplayMode::Scroll2) {
    const QString signal = "Signal";
    const int y = band.top / 2 - metrics.height() / 2 + metrics.ascent();
    for (int half = 0; half < halves; ++half) {
      painter.drawText(half * halfWidth + (left - metrics.horizontalAdvance(signal)) / 2, y,
                       signal);
    }
  }

  painter.setPen(QPen(marker, penWidth));
  for (const int markerHz : {c.marker1Hz, c.marker2Hz}) {
    const int f = roundToInt(double(markerHz) / c.multiplier);
    if (markerHz <= 0 || f < 1) continue;
    const double rows = band.height;
    int y = -1;
    if (c.freqScale == FrequencyScale::Linear) {
      const int h = roundToInt((f - c.lowBandLimit) * rows / (c.highBandLimit - c.lowBandLimit));
      if (h > 0 && h < rows) y = band.bottom - h;
    } else {
      const double s = (std::log10(c.highBandLimit) - std::log10(c.lowBandLimit)) / rows;
      const int h = roundToInt((std::log10(f) - std::log10(c.lowBandLimit)) / s);
      if (h > 0 && h < rows) y = band.bottom - h - 1;
    }
    if (y < 0) continue;
    for (int half = 0; half < halves; ++half) {
      painter.drawLine(half * halfWidth + left, y, (half + 1) * halfWidth - 1, y);
    }
  }
}

}  // namespace tolk
