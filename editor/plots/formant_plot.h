#pragma once

#include <QImage>
#include <QLine>
#include <cstdint>
#include <vector>

#include "editor/import/import_settings.h"
#include "editor/import/spectrum_import_buffer.h"
#include "editor/model/fseq_frame.h"
#include "editor/model/upload_mixer.h"

// The formant plot: one frame as a spectrum picture, 93 pixels per kHz from
// x = 30 and −30 dB at y = 10 down to −100 dB at y = 330. Each formant is a
// bell-shaped curve peaking at its frequency and level, its width set by the
// formant's bandwidth setting; the imported spectrum and its smoothed form
// may be drawn underneath.
namespace fseq {

inline constexpr int kFormantPlotWidth = 976;
inline constexpr int kFormantPlotHeight = 355;

// The width coefficient of a formant curve for a bandwidth setting: the
// larger, the narrower the bell.
double formantCurveCoefficient(int bandwidth);

// The peak's x0 (the curve peaks at x0 + 30): the frequency as FreqValue
// shows it, divided by 10.74 and rounded.
int formantPeakX0(FreqPair pair);

// The line segments of one formant curve: the pen starts at
// (max(x0 − startOffset, 32), 329); points at y ≥ 329 move the pen, the others
// are joined. startOffset is 50 for voiced and 35 for unvoiced formants.
std::vector<QLine> formantCurveSegments(int x0, int startOffset, double coefficient,
                                        int mixedLevel);

// Whether any of the frame's formants lies above 10100 Hz, beyond the plot.
bool hasFormantOffScreen(const FseqFrame& frame);

// What a click at (x, y) reads: frequency in Hz, volume in dB, FS1R level.
struct FormantReadout {
  std::int64_t freqHz;
  std::int64_t volDb;
  std::int64_t level;
};
FormantReadout formantReadoutAt(int x, int y);

struct FormantPlotInput {
  const FseqFrame& frame;
  const UploadMixer& mixer;
  const ImportSettings& settings;  // the formant bandwidths and the noise level bias
  const SpectrumImportBuffer* spectrum = nullptr;  // the imported spectrum, drawn when given
};

// Draws the plot into an image of kFormantPlotWidth × kFormantPlotHeight.
QImage drawFormantPlot(const FormantPlotInput& input);

}  // namespace fseq
