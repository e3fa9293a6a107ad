#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "analyzer/display/color_scale.h"
#include "analyzer/display/window_geometry.h"
#include "analyzer/dsp/image_layout.h"
#include "analyzer/dsp/row_levels.h"

namespace tolk {

// What the axes of a time-frequency image label, in window pixels (scale 1).
struct AxesContext {
  ImageLayout layout;
  int ch = 0;  // text line height of the window font
  int cw = 0;  // average character width of the window font
  int fontHeight = 0;
  int imageWidth = 0;  // right edge of the labelled image (window pixels)
  DisplayMode displayMode = DisplayMode::Scroll2;
  FrequencyScale freqScale = FrequencyScale::Linear;
  double msPerColumn = 10;
  double displayStartMs = 0;
  int multiplier = 1;         // frequencies are shown times this
  bool timeExpanded = false;  // times are shown divided by the multiplier
  int lowBandLimit = 0;       // analysis Hz
  int highBandLimit = 0;
  bool dual = false;  // two halves side by side, each with its margin
  int marker1Hz = 0;  // frequency markers (real Hz), 0 for none
  int marker2Hz = 0;
};

// One label of an axis: its text and where it is anchored (target pixels).
struct AxisLabel {
  QString text;
  int x = 0;  // time labels: the tick; frequency labels: unused (centred in the margin)
  int y = 0;  // frequency labels: the middle of the text
};

// The step of the time axis for a span in seconds (closest entry of the
// time-step table to span / 5) and the frequency step for a span in Hz.
double timeStepSeconds(double spanSeconds);
int frequencyStepHz(double spanHz);

// The time labels of one half at the given scale.
std::vector<AxisLabel> timeLabels(const AxesContext& context, double scale, LabelFont font);
// The frequency labels at the given scale (Linear or log scales).
std::vector<AxisLabel> frequencyLabels(const AxesContext& context, double scale);

// Draws the margin, the time band, the labels, the "Signal" label of the
// Scroll 2 strip and the frequency markers into `target` at `scale` (target
// pixels per window pixel) in `font`. The target holds colours, so the file
// writers put the bytes in each format's order.
void drawAxes(QImage& target, const AxesContext& context, const ColorScale& colors, double scale,
              LabelFont font);

}  // namespace tolk
