#include "analyzer/logs/point_log.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "analyzer/logs/log_source.h"

namespace tolk {

WaveResult<PointLogWriter> PointLogWriter::open(const std::filesystem::path& file,
                                                const std::string& soundFilePath, int sampleRateHz,
                                                int fftSize) {
  std::string existing;
  const bool exists = std::filesystem::exists(file);
  if (exists) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return WaveError{wave_messages::kCannotOpenFile};
    existing.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  auto writer = TextFileWriter::create(file);
  if (!writer.ok()) return writer.error();
  if (exists) {
    writer.value().write(existing + "\r\n");
  } else {
    writer.value().write(logOpeningLines(soundFilePath, sampleRateHz) + std::to_string(fftSize) +
                         " Point FFT\r\n\r\nTime (msec),  Freq (Hz),    Level (dB)\r\n\r\n");
  }
  return PointLogWriter(std::move(writer.value()));
}

void PointLogWriter::addPoint(int timeMs, int frequencyHz, double levelDb) {
  char row[64];
  std::snprintf(row, sizeof row, "%-14d%-14d%-14.0f\r\n", timeMs, frequencyHz, levelDb);
  file_.write(row);
}

}  // namespace tolk
