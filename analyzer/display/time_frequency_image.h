#pragma once

#include <QImage>

#include "analyzer/display/display_palette.h"
#include "analyzer/dsp/analyze_file.h"
#include "analyzer/dsp/file_analysis.h"

namespace tolk {

// The off-screen image of a file analysis. Column c of a channel is drawn at
// x = imageLeft + c; row m at bandBottom - m - 1, where the band of mono
// material and of the left channel ends above the time labels at the bottom
// of the image and the right channel's band above the middle (a stereo image
// is twice as high). Scroll 2 draws the peak envelope in the strip at the
// top of each channel's band. Unpainted areas hold the background entry.
class TimeFrequencyImage : public ColumnSink {
 public:
  TimeFrequencyImage(const FileAnalysis& analysis, const DisplayPalette& palette);

  void column(int column, std::span<const ChannelColumn> channels,
              const ColumnPipeline& pipeline) override;

  const QImage& image() const { return image_; }
  // Top of the given channel's half of the image (0 for mono and the right channel).
  int channelTop(int channel) const;

 private:
  void drawWaveform(int x, int top, const ChannelColumn& channel);

  const DisplayPalette& palette_;
  ImageLayout layout_;
  DisplayMode mode_;
  int levelMin_;
  int levelMax_;
  int channels_;
  QImage image_;
};

}  // namespace tolk
