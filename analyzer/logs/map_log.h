#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "analyzer/dsp/analyze_file.h"
#include "analyzer/logs/log_source.h"
#include "analyzer/logs/text_file_writer.h"
#include "analyzer/logs/whole_decibels.h"

namespace tolk {

// What the header of a map log says about the analysis.
struct MapLogHeader {
  LogSource source;
  int sampleStartMs = 0;
  double msPerColumn = 10;
};

// The map log: a header, the line of point frequencies, then one line of
// levels (dB/Hz) per analysed column of one channel. Every value is followed
// by ", " and every line ends with CR LF. It receives the columns as a sink
// of the analysis and replaces its file when finished.
class MapLogWriter : public ColumnSink {
 public:
  static WaveResult<MapLogWriter> create(const std::filesystem::path& file,
                                         const MapLogHeader& header, int channel);

  void column(int column, std::span<const ChannelColumn> channels,
              const ColumnPipeline& pipeline) override;
  std::optional<WaveError> finish();

 private:
  MapLogWriter(TextFileWriter file, const MapLogHeader& header, int channel);

  TextFileWriter file_;
  MapLogHeader header_;
  LogPoints points_;
  int channel_;
  WholeDecibels decibels_;
  std::string line_;
};

}  // namespace tolk
