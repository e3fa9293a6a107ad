#include "editor/plots/frames_plot.h"

#include <QPainter>
#include <algorithm>
#include <functional>

#include "editor/model/rounding.h"
#include "editor/plots/plot_colors.h"

namespace fseq {

namespace {

constexpr int kPlotLeft = 5;
constexpr int kPlotTop = 5;
constexpr int kPlotRight = 1030;
constexpr int kPlotBottom = 350;
constexpr int kFrequencyBaseY = 217;
constexpr int kVoicedFrequencyBaseY = 215;
constexpr int kLevelBaseY = 347;
constexpr int kLastFrequencyRow = 218;
constexpr int kLastLevelRow = 348;
constexpr double kGapHz = 10;  // a formant at or below this is drawn as a gap

int rounded(double value) {
  return static_cast<int>(roundHalfEven(value));
}

double hzOf(FreqPair pair) {
  return FreqValue2(pair.coarse, pair.fine);
}

// A frequency curve over frames 1 … frameCount; when `gaps`, a frame at or
// below kGapHz is joined to neither neighbour.
void drawFrequencyCurve(QPainter& painter, int frameCount, bool gaps, int baseY, int scale,
                        const std::function<FreqPair(int)>& pairOf) {
  std::optional<QPoint> previous;
  for (int f = 1; f <= frameCount; ++f) {
    const double hz = hzOf(pairOf(f));
    const QPoint point(frameX(f), baseY - rounded(hz / scale));
    if (gaps && hz <= kGapHz) {
      previous.reset();
      continue;
    }
    if (previous) painter.drawLine(*previous, point);
    previous = point;
  }
}

void drawLevelCurve(QPainter& painter, int frameCount, int mixPercent,
                    const std::function<int(int)>& levelOf) {
  QPoint previous(frameX(1), levelY(levelOf(1), mixPercent));
  for (int f = 2; f <= frameCount; ++f) {
    const QPoint point(frameX(f), levelY(levelOf(f), mixPercent));
    painter.drawLine(previous, point);
    previous = point;
  }
}

void drawPlotArea(QPainter& painter) {
  const QRect area(QPoint(kPlotLeft, kPlotTop), QPoint(kPlotRight - 1, kPlotBottom - 1));
  painter.fillRect(area, plot_colors::kNavy);
  painter.setPen(QPen(plot_colors::kHotLight, 3));
  painter.drawRect(area);
}

}  // namespace

int hzPerPixel(MaxFreq maxFreq) {
  switch (maxFreq) {
    case MaxFreq::Hz15000:
      return 75;
    case MaxFreq::Hz10000:
      return 50;
    case MaxFreq::Hz8000:
      return 40;
    case MaxFreq::Hz6000:
      break;
  }
  return 30;
}

int frameX(int frame) {
  return 2 * frame + kPlotLeft;
}

int frequencyY(double hz, MaxFreq maxFreq, bool voiced) {
  return (voiced ? kVoicedFrequencyBaseY : kFrequencyBaseY) - rounded(hz / hzPerPixel(maxFreq));
}

int levelY(int level, int mixPercent) {
  return rounded(kLevelBaseY - static_cast<double>(level) * mixPercent / 100);
}

int frameAtX(int x) {
  return std::clamp(rounded((x - kPlotLeft) / 2.0), 1, kMaxFrames);
}

FramesPlotReadout framesPlotReadout(int y, MaxFreq maxFreq) {
  if (y < kLastFrequencyRow)
    return {rounded(double(kFrequencyBaseY - y) * hzPerPixel(maxFreq)), {}};
  if (y < kLastLevelRow) return {{}, kLevelBaseY - y};
  return {};
}

int highestFrequencyOfFirstFrame(const FseqDocument& document) {
  const FseqFrame& frame = document.frame(1);
  double highest = hzOf(frame.pitch());
  for (int k = 0; k < kFormantCount; ++k) {
    highest = std::max({highest, hzOf(frame.voiced(k)), hzOf(frame.unvoiced(k))});
  }
  return rounded(highest);
}

QImage drawFramesPlot(const FramesPlotInput& input) {
  QImage image(kFramesPlotWidth, kFramesPlotHeight, QImage::Format_RGB32);
  image.fill(plot_colors::kWindow);
  QPainter painter(&image);
  drawPlotArea(painter);

  if (input.selection.shown) {
    painter.fillRect(QRect(QPoint(frameX(input.selection.frameA), kPlotTop),
                           QPoint(frameX(input.selection.frameB), kPlotBottom)),
                     plot_colors::kBlue);
  }

  const auto& frames = input.document.frames;
  const int count = std::clamp(input.document.frameCount, 1, kMaxFrames);
  const int scale = hzPerPixel(input.maxFreq);
  auto frame = [&frames](int f) -> const FseqFrame& { return frames[f - 1]; };

  painter.setPen(QPen(plot_colors::kGreen, 1));
  for (int k = 0; k < kFormantCount; ++k) {
    if (!input.curves.unvoicedFreq[k]) continue;
    drawFrequencyCurve(painter, count, true, kFrequencyBaseY, scale,
                       [&](int f) { return frame(f).unvoiced(k); });
  }
  painter.setPen(QPen(plot_colors::kLime, 1));
  for (int k = 0; k < kFormantCount; ++k) {
    if (!input.curves.voicedFreq[k]) continue;
    drawFrequencyCurve(painter, count, true, kVoicedFrequencyBaseY, scale,
                       [&](int f) { return frame(f).voiced(k); });
  }
  if (input.curves.pitch) {
    painter.setPen(QPen(plot_colors::kRed, 1));
    drawFrequencyCurve(painter, count, false, kFrequencyBaseY, scale,
                       [&](int f) { return frame(f).pitch(); });
  }
  painter.setPen(QPen(plot_colors::kOrange, 1));
  for (int k = 0; k < kFormantCount; ++k) {
    if (!input.curves.unvoicedLevel[k]) continue;
    drawLevelCurve(painter, count, input.mixer.unvoicedPercent,
                   [&](int f) { return frame(f).unvoicedLevel(k); });
  }
  painter.setPen(QPen(plot_colors::kYellow, 1));
  for (int k = 0; k < kFormantCount; ++k) {
    if (!input.curves.voicedLevel[k]) continue;
    drawLevelCurve(painter, count, input.mixer.voicedPercent[k],
                   [&](int f) { return frame(f).voicedLevel(k); });
  }
  return image;
}

}  // namespace fseq
