#include "editor/import/map_log_fixture.h"

#include <cmath>
#include <cstdio>

namespace fseq::testing {

namespace {

constexpr double kFloorDb = -90;
constexpr double kResonanceDb = 30;
constexpr double kResonanceWidthHz = 100;

double envelopeDb(const VoiceMoment& voice, double hz) {
  double db = -40 - 6 * std::log2(hz / voice.pitchHz);
  for (double formant : voice.formantHz) {
    const double offset = (hz - formant) / kResonanceWidthHz;
    db += kResonanceDb / (1 + offset * offset);
  }
  return db;
}

}  // namespace

std::vector<int> voiceRow(const VoiceMoment& voice, int columns, double binHz) {
  std::vector<int> row;
  for (int k = 0; k < columns; ++k) {
    const double centreHz = k * binHz + binHz / 2;
    const double harmonic = std::max(1.0, std::round(centreHz / voice.pitchHz));
    const double harmonicHz = harmonic * voice.pitchHz;
    const bool onHarmonic = std::abs(centreHz - harmonicHz) < binHz / 2;
    row.push_back(
        static_cast<int>(std::lround(onHarmonic ? envelopeDb(voice, harmonicHz) : kFloorDb)));
  }
  return row;
}

std::string mapLogText(double timeStepMs, int columns, const std::vector<std::vector<int>>& rows) {
  char text[64];
  std::string log = "Veltrix 15 Data\r\n/home/singer/speech.wav\r\n44100 Hz Sampling Rate\r\n";
  log += "4096 Point FFT\r\n";
  log += "FFT Points 0 to " + std::to_string(columns) + " Recorded\r\n";
  log += "0 msec Sample Start\r\n";
  std::snprintf(text, sizeof text, "%-4.2f msec Time Step\r\n", timeStepMs);
  log += text;
  log += "Comma Delimited Values\r\n";
  log += "Relative Spectrum Level in Decibels/Hz vs. Time and Frequency\r\n\r\n";
  log += "Freq, ";
  for (int k = 0; k < columns; ++k) {
    std::snprintf(text, sizeof text, "%.1f Hz, ", k * kBinHz + kBinHz / 2);
    log += text;
  }
  log += "\r\n";
  for (std::size_t c = 0; c < rows.size(); ++c) {
    log += "Time " + std::to_string(std::lround(static_cast<double>(c) * timeStepMs)) + " msec, ";
    for (int level : rows[c]) log += std::to_string(level) + ", ";
    log += "\r\n";
  }
  return log;
}

}  // namespace fseq::testing
