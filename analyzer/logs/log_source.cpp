#include "analyzer/logs/log_source.h"

#include "analyzer/dsp/rounding.h"

namespace tolk {

std::string logOpeningLines(const std::string& soundFilePath, int sampleRateHz) {
  return "Veltrix 15 Data\r\n" + soundFilePath + "\r\n" + std::to_string(sampleRateHz) +
         " Hz Sampling Rate\r\n";
}

LogPoints logPoints(const LogSource& source) {
  const float rate = float(source.sampleRateHz);
  const float size = float(source.fftSize);
  LogPoints points;
  points.widthHz = rate / size;
  points.first = roundToInt(float(source.lowBandLimitHz) * size / rate);
  points.end = roundToInt(float(source.highBandLimitHz) * size / rate);
  return points;
}

}  // namespace tolk
