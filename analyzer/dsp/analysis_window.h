#pragma once

#include <optional>
#include <span>
#include <vector>

namespace tolk {

// The analysis window of one run: a raised-cosine (Hann) window of L samples
// centred on position N/2 of the N-point block, zero elsewhere, plus the
// scratch block the magnitude spectrum transforms in. Built once per run by
// buildAnalysisWindow; released when the object goes away.
class AnalysisWindow {
 public:
  int fftSize() const { return int(coefficients_.size()); }
  // L: the window length in samples from the resolution, at most fftSize().
  int windowLength() const { return windowLength_; }
  std::span<const double> coefficients() const { return coefficients_; }
  std::span<float> work() { return work_; }

 private:
  friend std::optional<AnalysisWindow> buildAnalysisWindow(int, int, float);
  AnalysisWindow(int fftSize, int windowLength);

  int windowLength_;
  std::vector<double> coefficients_;
  std::vector<float> work_;
};

// Builds the window for fftSize N (a power of two, 512 ... 16384) at
// sampleRateHz with a window of windowMs milliseconds (1000 / resolution in
// Hz). L is the integer part of windowMs * rate / 1000 in single precision,
// at most N. Gives nothing when the arguments are outside those ranges or
// memory runs out; the run then ends without drawing.
std::optional<AnalysisWindow> buildAnalysisWindow(int fftSize, int sampleRateHz, float windowMs);

}  // namespace tolk
