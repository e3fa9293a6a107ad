#pragma once

namespace tolk {

// The FFT points a spectrum log lists: first ... end - 1, from the band
// limits in single precision, rounded half up.
struct LogPoints {
  int first = 0;
  int end = 0;
  float widthHz = 0;  // sampleRate / fftSize, the width of one point
};

LogPoints logPoints(int sampleRateHz, int fftSize, int lowBandLimitHz, int highBandLimitHz);

}  // namespace tolk
