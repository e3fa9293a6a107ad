#include "analyzer/logs/slice_log.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "analyzer/dsp/rounding.h"
#include "analyzer/logs/text_file_writer.h"

namespace tolk {

namespace {

template <class... Args>
std::string formatted(const char* format, Args... values) {
  char text[64];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

std::string levelText(std::int16_t code) {
  return formatted("%-2.1f", code / 4.0);
}

std::string headerText(const SliceLogContent& c) {
  const LogSource& source = c.source;
  std::string text = logOpeningLines(source.soundFilePath, source.sampleRateHz);
  switch (c.scale) {
    case FrequencyScale::Linear:
      text += formatted("%-2.2f", double(float(source.sampleRateHz) / float(source.fftSize))) +
              " Hz Frequency Resolution\r\n";
      break;
    case FrequencyScale::Log:
      text += "Log Frequency Scale\r\n";
      break;
    case FrequencyScale::ThirdOctave:
      text += "1/3 Octave Frequency Scale\r\n";
      break;
  }
  text += std::to_string(c.totalLevelDb) + " dB Total SPL\r\n";
  text += std::to_string(c.eventTimeMs) + " msec Event Time\r\n";
  text += source.splCalibrated ? "Calibrated" : "Relative";
  text += " Spectrum Level in Decibels/Hz\r\n\r\n";
  text += c.scale == FrequencyScale::Linear ? "Num   Hz       dB\r\n" : "Hz        dB\r\n";
  text += "\r\n";
  return text;
}

void linearRows(const SliceLogContent& c, std::string& text) {
  const LogSource& source = c.source;
  const LogPoints points = logPoints(source);
  const int plotPoints = int(c.scopeLevels.size());
  const int offset =
      truncToInt(double(source.lowBandLimitHz) * source.fftSize / source.sampleRateHz);
  const double band = source.highBandLimitHz - source.lowBandLimitHz;
  for (int i = points.first; i < points.end; ++i) {
    const float w = points.widthHz;
    const int j =
        std::min(plotPoints - 1,
                 roundToInt(plotPoints * (double(float(i) * w) - source.lowBandLimitHz) / band));
    text += formatted("%-6d", i + offset);
    text += formatted("%-9.2f", double(float(i) * w + w / 2));
    text += levelText(c.scopeLevels[std::max(0, j)]) + "\r\n";
  }
}

// The frequency of scope point i on the logarithmic scales.
double pointFrequency(const SliceLogContent& c, int i) {
  const double low = std::log10(double(c.source.lowBandLimitHz));
  const double step =
      (std::log10(double(c.source.highBandLimitHz)) - low) / (double(c.scopeLevels.size()) - 1);
  return std::pow(10.0, low + i * step);
}

void logRows(const SliceLogContent& c, std::string& text) {
  int lastWritten = 0;
  for (int i = 0; i < int(c.scopeLevels.size()); ++i) {
    const int f = roundToInt(pointFrequency(c, i));
    if (f == lastWritten) continue;
    lastWritten = f;
    text += formatted("%-10d", f) + levelText(c.scopeLevels[i]) + "\r\n";
  }
}

void thirdOctaveRows(const SliceLogContent& c, std::string& text) {
  int lastBand = 0;
  for (int i = 0; i < int(c.scopeLevels.size()); ++i) {
    const int band = truncToInt(3 * std::log2(pointFrequency(c, i)));
    if (band == lastBand) continue;
    lastBand = band;
    const double f = std::pow(2.0, band / 3.0);
    if (f > c.source.lowBandLimitHz)
      text += formatted("%-10.0f", f) + levelText(c.scopeLevels[i]) + "\r\n";
  }
}

}  // namespace

std::string sliceLogText(const SliceLogContent& content) {
  std::string text = headerText(content);
  if (content.scopeLevels.empty()) return text;
  switch (content.scale) {
    case FrequencyScale::Linear:
      linearRows(content, text);
      break;
    case FrequencyScale::Log:
      logRows(content, text);
      break;
    case FrequencyScale::ThirdOctave:
      thirdOctaveRows(content, text);
      break;
  }
  return text;
}

std::optional<WaveError> writeSliceLog(const std::filesystem::path& file,
                                       const SliceLogContent& content) {
  auto writer = TextFileWriter::create(file);
  if (!writer.ok()) return writer.error();
  writer.value().write(sliceLogText(content));
  return writer.value().finish();
}

}  // namespace tolk
