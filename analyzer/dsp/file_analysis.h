#pragma once

#include <filesystem>
#include <optional>

#include "analyzer/audio/read_wave_header.h"
#include "analyzer/dsp/analysis_grid.h"
#include "analyzer/dsp/column_pipeline.h"
#include "analyzer/dsp/image_layout.h"
#include "analyzer/dsp/resolution_rules.h"
#include "analyzer/dsp/sound_segment.h"
#include "analyzer/dsp/ultrasound_rule.h"

namespace tolk {

// The parameters of a file analysis as the user gives them: frequencies and
// times are real ones (an ultrasound file's time expansion is applied here).
struct FileAnalysisRequest {
  std::filesystem::path file;
  std::filesystem::path scratchFolder;  // where 8-bit and float files are converted
  DisplayMode displayMode = DisplayMode::Scroll2;
  FrequencyScale freqScale = FrequencyScale::Linear;
  int lowBandLimitHz = 0;
  int highBandLimitHz = 6000;
  double displayWidthSeconds = 10;
  double beginSeconds = 0;
  std::optional<double> endSeconds;  // none: to the end of the file
  std::optional<int> fftSize;        // none: the automatic choice
  std::optional<float> freqResolutionHz;
  int averagingTimeMs = 0;
  int levelMin = 0;
  int levelMax = 90;
  ChannelSelect channelSelect = ChannelSelect::Dual;
  double gainAttenuationDb = 0;
};

// A file analysis ready to run: the file checked and loaded, every
// parameter settled for the analysis rate, and the grid.
struct FileAnalysis {
  WaveHeaderResult header;
  AnalysisRate rate;
  SoundSegment sound;
  ImageLayout layout;
  DisplayMode displayMode = DisplayMode::Scroll2;
  FrequencyScale freqScale = FrequencyScale::Linear;
  ChannelSelect channelSelect = ChannelSelect::Dual;
  int lowBandLimit = 0;  // analysis Hz
  int highBandLimit = 0;
  ResolutionChoice resolution;
  int averagingTimeMs = 0;
  int levelMin = 0;
  int levelMax = 90;
  double gainAttenuationDb = 0;
  AnalysisGrid grid;

  bool stereo() const { return sound.channels == 2; }
  bool dual() const { return stereo() && channelSelect == ChannelSelect::Dual; }
  // The channel a single-channel view or log shows: the right one only for Right.
  int shownChannel() const { return stereo() && channelSelect == ChannelSelect::Right ? 1 : 0; }
  // The column settings of this analysis with `rows` rows (the image's, or
  // a spectrum plot's points) and the given averaging time.
  ColumnSettings columnSettings(int rows, double averagingTimeMs) const;
};

// Checks the file with the file analysis reader's rules, applies the
// ultrasound rule, limits the band to the rate, settles the FFT size and
// resolution (given, or the automatic rules), loads the segment and lays out
// the grid. Fails with the message the user sees.
WaveResult<FileAnalysis> prepareFileAnalysis(const FileAnalysisRequest& request,
                                             const ImageLayout& layout);

}  // namespace tolk
