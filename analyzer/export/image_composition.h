#pragma once

#include <QImage>

#include "analyzer/display/time_frequency_image.h"

namespace tolk {

// The whole analysed image as "Entire Veltrix" saves it: the label margin
// and every column of the shown channel, imageHeight high. A Dual stereo
// view puts the left channel's image and the right one's side by side, each
// with its own margin.
QImage composeEntireImage(const TimeFrequencyImage& image, const FileAnalysis& analysis);

// Bilinear resampling to targetWidth x targetHeight: each target pixel
// interpolates the four source pixels around (x sx, y sy), with sx, sy the
// ratios of the sizes less one; a target as large as the source is a copy.
QImage resampleBilinear(const QImage& source, int targetWidth, int targetHeight);

}  // namespace tolk
