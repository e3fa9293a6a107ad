#pragma once

#include <QImage>
#include <optional>

#include "editor/model/fseq_document.h"
#include "editor/model/upload_mixer.h"
#include "editor/plots/curve_selection.h"

// The frames plot: the whole sequence as curves over time, two pixels per
// frame. Frequencies run up from y = 217 (voiced formants from 215) at a
// chosen number of Hz per pixel; levels run up from y = 347, one pixel per
// level step at mix 100 %.
namespace fseq {

inline constexpr int kFramesPlotHeight = 352;
inline constexpr int kFramesPlotWidth = 1040;

// The "Max Freq" choice.
enum class MaxFreq { Hz15000, Hz10000, Hz8000, Hz6000 };

int hzPerPixel(MaxFreq maxFreq);

// Pixel positions.
int frameX(int frame);
int frequencyY(double hz, MaxFreq maxFreq, bool voiced);
int levelY(int level, int mixPercent);

// The frame under x, limited to 1 … 512.
int frameAtX(int x);

// What a click at row y reads: a frequency above row 218, a level from there
// down to row 347, nothing below.
struct FramesPlotReadout {
  std::optional<int> freqHz;
  std::optional<int> level;
};
FramesPlotReadout framesPlotReadout(int y, MaxFreq maxFreq);

// The highest of frame 1's pitch and formant frequencies, rounded to whole Hz.
int highestFrequencyOfFirstFrame(const FseqDocument& document);

// The selection drawn under the curves: frames a … b, shown when `shown`.
struct FramesPlotSelection {
  int frameA = 1;
  int frameB = kMaxFrames;
  bool shown = false;
};

struct FramesPlotInput {
  const FseqDocument& document;
  const UploadMixer& mixer;
  const CurveSelection& curves;
  MaxFreq maxFreq = MaxFreq::Hz6000;
  FramesPlotSelection selection;
};

// Draws the plot into an image of kFramesPlotWidth × kFramesPlotHeight.
QImage drawFramesPlot(const FramesPlotInput& input);

}  // namespace fseq
