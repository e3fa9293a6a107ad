#pragma once

#include <string>

namespace tolk {

// What a spectrum log says about the analysis it comes from.
struct LogSource {
  std::string soundFilePath;
  int sampleRateHz = 0;
  int fftSize = 0;
  int lowBandLimitHz = 0;
  int highBandLimitHz = 0;
  bool splCalibrated = false;
};

// The lines every log opens with: the program's tag, the sound file and its
// sampling rate.
std::string logOpeningLines(const std::string& soundFilePath, int sampleRateHz);

// The FFT points a spectrum log lists: first ... end - 1, from the band
// limits in single precision, rounded half up.
struct LogPoints {
  int first = 0;
  int end = 0;
  float widthHz = 0;  // sampleRate / fftSize, the width of one point
};

LogPoints logPoints(const LogSource& source);

}  // namespace tolk
