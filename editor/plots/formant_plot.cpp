#include "editor/plots/formant_plot.h"

#include <QPainter>
#include <QPainterPath>
#include <span>
#include <string>

#include "editor/model/rounding.h"
#include "editor/plots/plot_colors.h"

namespace fseq {

namespace {

constexpr int kLeft = 30;
constexpr int kTop = 10;
constexpr int kRight = 963;
constexpr int kBottom = 330;
constexpr int kCurveFloorY = 329;  // curve points at or below this row are not drawn
constexpr int kCurveRightX = 961;
constexpr int kCurveFirstX = 32;
constexpr int kDrawnCurvePoints = 930;
constexpr double kHzPerX0 = 10.74;
constexpr double kOffScreenHz = 10100;
constexpr int kVoicedStartOffset = 50;
constexpr int kUnvoicedStartOffset = 35;

int rounded(double value) {
  return static_cast<int>(roundHalfEven(value));
}

int spectrumY(double db) {
  return rounded(kTop - (db + 30) * 320 / 70);
}

double shownHz(FreqPair pair) {
  return std::stod(FreqValue(pair.coarse, pair.fine));
}

void drawGrid(QPainter& painter) {
  const QPolygon area({{kLeft, kTop}, {kRight, kTop}, {kRight, kBottom}, {kLeft, kBottom}});
  painter.setPen(QPen(plot_colors::kHotLight, 3));
  painter.setBrush(plot_colors::kNavy);
  painter.drawPolygon(area);
  painter.setBrush(Qt::NoBrush);

  painter.setPen(QPen(plot_colors::kHotLight, 1));
  for (int i = 1; i <= 39; ++i) {
    for (int r = 1; r <= 13; ++r) {
      painter.drawPoint(rounded(i * 23.25) + kLeft, rounded(321 - r * 23.25) + kTop);
    }
  }
  painter.setPen(QPen(plot_colors::kBlue, 1));
  for (int i = 1; i <= 10; ++i) painter.drawLine(93 * i + kLeft, 12, 93 * i + kLeft, 326);
  painter.drawLine(32, 168, 961, 168);
}

void drawText(QPainter& painter, int x, int y, const QString& text) {
  const QRect bounds = painter.fontMetrics().boundingRect(text);
  painter.drawText(QRect(x, y, bounds.width() + 2, painter.fontMetrics().height()),
                   Qt::AlignLeft | Qt::AlignTop, text);
}

void drawLabels(QPainter& painter) {
  painter.setPen(Qt::black);
  painter.setBackground(Qt::white);
  painter.setBackgroundMode(Qt::OpaqueMode);
  drawText(painter, 115, 335, "1 khz");
  const int digitX[] = {213, 306, 399, 492, 585, 678, 771, 864};
  for (int i = 0; i < 8; ++i) drawText(painter, digitX[i], 335, QString::number(i + 2));
  drawText(painter, 944, 335, "10 khz");
  drawText(painter, 5, 323, "-100");
  drawText(painter, 5, 164, "-65");
  drawText(painter, 10, 5, "-30");
  painter.setBackgroundMode(Qt::TransparentMode);
}

// One spectrum curve: the pen starts at point 1; points right of the plot or
// at its floor are skipped, the next line starting from the last point drawn.
void drawSpectrumCurve(QPainter& painter, std::span<const double> values, double offset,
                       double xScale) {
  QPoint pen(31, spectrumY(values[0] + offset));
  const int count = static_cast<int>(values.size());
  for (int i = 2; i <= count; ++i) {
    const QPoint point(static_cast<int>(truncate(i * xScale + kLeft)),
                       spectrumY(values[i - 1] + offset));
    if (point.x() < kCurveRightX && point.y() < kCurveFloorY) {
      painter.drawLine(pen, point);
      pen = point;
    }
  }
}

void drawFormantCurves(QPainter& painter, const FormantPlotInput& input, bool voiced) {
  for (int k = 0; k < kFormantCount; ++k) {
    const FreqPair pair = voiced ? input.frame.voiced(k) : input.frame.unvoiced(k);
    const int mixed = voiced ? input.mixer.voicedPercent[k] * input.frame.voicedLevel(k)
                             : input.mixer.unvoicedPercent * input.frame.unvoicedLevel(k);
    const double c = formantCurveCoefficient(input.settings.formantBandwidth[k]);
    for (const QLine& line : formantCurveSegments(
             formantPeakX0(pair), voiced ? kVoicedStartOffset : kUnvoicedStartOffset, c, mixed)) {
      painter.drawLine(line);
    }
  }
}

}  // namespace

double formantCurveCoefficient(int bandwidth) {
  struct Step {
    int upTo;
    double coefficient;
  };
  static constexpr Step kSteps[] = {{15, 0.1},    {25, 0.07},  {35, 0.05},  {45, 0.04},
                                    {48, 0.038},  {50, 0.036}, {54, 0.034}, {59, 0.021},
                                    {64, 0.0083}, {69, 0.005}, {79, 0.003}};
  for (const Step& step : kSteps) {
    if (bandwidth <= step.upTo) return step.coefficient;
  }
  return 0.00085;
}

int formantPeakX0(FreqPair pair) {
  return rounded(shownHz(pair) / kHzPerX0);
}

std::vector<QLine> formantCurveSegments(int x0, int startOffset, double coefficient,
                                        int mixedLevel) {
  const int base = rounded(kBottom - static_cast<double>(mixedLevel) * 320 / 12700);
  QPoint pen(std::max(x0 - startOffset, kCurveFirstX), kCurveFloorY);
  std::vector<QLine> lines;
  // The curve's points end at x = 960, the right edge of the plot.
  for (int i = 1; i <= kDrawnCurvePoints; ++i) {
    const double d = i - x0;
    const int y = rounded(d * coefficient * d) + base;
    const QPoint point(i + kLeft, y);
    if (y < kCurveFloorY) lines.emplace_back(pen, point);
    pen = point;
  }
  return lines;
}

bool hasFormantOffScreen(const FseqFrame& frame) {
  for (int k = 0; k < kFormantCount; ++k) {
    if (shownHz(frame.voiced(k)) > kOffScreenHz || shownHz(frame.unvoiced(k)) > kOffScreenHz) {
      return true;
    }
  }
  return false;
}

FormantReadout formantReadoutAt(int x, int y) {
  return {truncate((x - kLeft) * 8000.0 / 745), roundHalfEven((kTop - y) * 70.0 / 320 - 30),
          roundHalfEven((328 - y) * 127.0 / 318)};
}

QImage drawFormantPlot(const FormantPlotInput& input) {
  QImage image(kFormantPlotWidth, kFormantPlotHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QFont font("Arial");
  font.setPixelSize(11);
  painter.setFont(font);
  drawGrid(painter);
  drawLabels(painter);

  if (input.spectrum) {
    // Point i of the buffer is element i; element 0 is not used.
    const SpectrumImportBuffer& spectrum = *input.spectrum;
    painter.setPen(QPen(plot_colors::kHotLight, 1));
    drawSpectrumCurve(painter, std::span(spectrum.level).subspan(1), 0, spectrum.xScale);
    painter.setPen(QPen(plot_colors::kGrey, 1));
    drawSpectrumCurve(painter, std::span(spectrum.smoothed).subspan(1),
                      input.settings.noiseLevelBias, spectrum.xScale);
  }

  QPen curvePen(plot_colors::kLime, 2);
  curvePen.setCapStyle(Qt::RoundCap);
  painter.setPen(curvePen);
  drawFormantCurves(painter, input, true);
  curvePen.setColor(plot_colors::kGrey);
  painter.setPen(curvePen);
  drawFormantCurves(painter, input, false);

  if (hasFormantOffScreen(input.frame)) {
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    drawText(painter, 475, 50, "Frequencies over 10,000 hz detected... These plot off-screen.");
  }
  return image;
}

}  // namespace fseq
