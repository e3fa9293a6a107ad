#include "analyzer/logs/map_log.h"

#include <charconv>
#include <cstdio>

#include "analyzer/dsp/rounding.h"

namespace tolk {

namespace {

constexpr int kUncalibratedOffsetDb = 90;

std::string formatted(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

void appendInt(std::string& line, int value) {
  char text[16];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  line.append(text, end);
}

std::string headerText(const MapLogHeader& header, const LogPoints& points) {
  const LogSource& source = header.source;
  std::string text = logOpeningLines(source.soundFilePath, source.sampleRateHz);
  text += std::to_string(source.fftSize) + " Point FFT\r\n";
  text += "FFT Points " + std::to_string(points.first) + " to " + std::to_string(points.end) +
          " Recorded\r\n";
  text += std::to_string(header.sampleStartMs) + " msec Sample Start\r\n";
  text += formatted("%-4.2f", header.msPerColumn) + " msec Time Step\r\n";
  text += "Comma Delimited Values\r\n";
  text += source.splCalibrated ? "Calibrated" : "Relative";
  text += " Spectrum Level in Decibels/Hz vs. Time and Frequency\r\n\r\n";
  text += "Freq, ";
  for (int k = points.first; k < points.end; ++k) {
    const float centre = float(k) * points.widthHz + points.widthHz / 2;
    text += formatted("%-0.1f", centre) + " Hz, ";
  }
  text += "\r\n";
  return text;
}

}  // namespace

WaveResult<MapLogWriter> MapLogWriter::create(const std::filesystem::path& file,
                                              const MapLogHeader& header, int channel) {
  auto writer = TextFileWriter::create(file);
  if (!writer.ok()) return writer.error();
  return MapLogWriter(std::move(writer.value()), header, channel);
}

MapLogWriter::MapLogWriter(TextFileWriter file, const MapLogHeader& header, int channel)
    : file_(std::move(file)),
      header_(header),
      points_(logPoints(header.source)),
      channel_(channel) {
  file_.write(headerText(header_, points_));
}

void MapLogWriter::column(int column, std::span<const ChannelColumn>,
                          const ColumnPipeline& pipeline) {
  const int offset = header_.source.splCalibrated ? 0 : kUncalibratedOffsetDb;
  line_.assign("Time ");
  appendInt(line_, roundToInt(header_.sampleStartMs + column * header_.msPerColumn));
  line_ += " msec, ";
  const int lastBin = header_.source.fftSize / 2 - 1;
  for (int k = points_.first; k < points_.end; ++k) {
    const double power = pipeline.powerDensity(channel_, std::min(k, lastBin));
    appendInt(line_, decibels_.level(power) - offset);
    line_ += ", ";
  }
  line_ += "\r\n";
  file_.write(line_);
}

std::optional<WaveError> MapLogWriter::finish() {
  return file_.finish();
}

}  // namespace tolk
