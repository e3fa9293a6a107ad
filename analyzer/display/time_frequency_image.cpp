#include "analyzer/display/time_frequency_image.h"

#include <algorithm>

#include "analyzer/dsp/level_code.h"

namespace tolk {

namespace {

constexpr int kPeakScale = 65500;

int imageWidth(const FileAnalysis& analysis) {
  const int width =
      std::max(analysis.layout.imageRight, analysis.grid.columnCount + analysis.layout.imageLeft);
  return (width + 3) / 4 * 4;
}

}  // namespace

TimeFrequencyImage::TimeFrequencyImage(const FileAnalysis& analysis, const DisplayPalette& palette)
    : palette_(palette),
      layout_(analysis.layout),
      mode_(analysis.displayMode),
      levelMin_(analysis.levelMin),
      levelMax_(analysis.levelMax),
      channels_(analysis.sound.channels),
      image_(imageWidth(analysis), analysis.layout.imageHeight * analysis.sound.channels,
             QImage::Format_RGB32) {
  image_.fill(palette.color(DisplayPalette::kBackground));
}

int TimeFrequencyImage::channelTop(int channel) const {
  return channels_ == 2 && channel == 0 ? image_.height() / 2 : 0;
}

void TimeFrequencyImage::column(int column, std::span<const ChannelColumn> channels,
                                const ColumnPipeline&) {
  const int x = layout_.imageLeft + column;
  if (x >= image_.width()) return;
  for (int channel = 0; channel < channels_; ++channel) {
    const int top = channelTop(channel);
    const int bandBottom = top + layout_.imageHeight - layout_.timeAxisHeight;
    const auto& rows = channels[channel].rowLevels;
    const int rowCount = std::min<int>(int(rows.size()), bandBottom - top);
    for (int m = 0; m < rowCount; ++m) {
      const int index = paletteIndex(rows[m], levelMin_, levelMax_);
      image_.setPixel(x, bandBottom - m - 1, palette_.color(index));
    }
    if (mode_ == DisplayMode::Scroll2) drawWaveform(x, top, channels[channel]);
  }
}

void TimeFrequencyImage::drawWaveform(int x, int top, const ChannelColumn& channel) {
  const int s = layout_.stripHeight;
  const int from = std::clamp(s / 2 - channel.peakMax * s / kPeakScale + 1, 0, s);
  const int to = std::clamp(s / 2 - channel.peakMin * s / kPeakScale, 0, s);
  const QRgb line = palette_.color(DisplayPalette::kWaveform);
  for (int y = from; y <= to; ++y) image_.setPixel(x, top + y, line);
  image_.setPixel(x, top + s, palette_.color(DisplayPalette::kStripEdge));
}

}  // namespace tolk
