#include "analyzer/logs/log_points.h"

#include "analyzer/dsp/rounding.h"

namespace tolk {

LogPoints logPoints(int sampleRateHz, int fftSize, int lowBandLimitHz, int highBandLimitHz) {
  LogPoints points;
  points.widthHz = float(sampleRateHz) / float(fftSize);
  points.first = roundToInt(float(lowBandLimitHz) * float(fftSize) / float(sampleRateHz));
  points.end = roundToInt(float(highBandLimitHz) * float(fftSize) / float(sampleRateHz));
  return points;
}

}  // namespace tolk
