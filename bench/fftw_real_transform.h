#pragma once

#include <fftw3.h>

#include <span>

namespace tolk::bench {

// FFTW's single-precision real-to-complex transform of one size, planned with
// FFTW_MEASURE, the yardstick for our realFft.
class FftwRealTransform {
 public:
  explicit FftwRealTransform(int size);
  ~FftwRealTransform();
  FftwRealTransform(const FftwRealTransform&) = delete;
  FftwRealTransform& operator=(const FftwRealTransform&) = delete;

  // The planning input array (size floats, suitably aligned for FFTW).
  float* input() { return input_; }
  // Transforms input() into the spectrum array.
  void execute() { fftwf_execute(plan_); }
  // Transforms `samples` and stores the result in our packed layout over
  // them: F(0), F(n/2), then re and im of F(k).
  void forwardPacked(std::span<float> samples);

 private:
  int size_;
  float* input_;
  fftwf_complex* spectrum_;
  fftwf_plan plan_;
};

}  // namespace tolk::bench
