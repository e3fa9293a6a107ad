#include "bench/fftw_real_transform.h"

#include <cstring>

namespace tolk::bench {

FftwRealTransform::FftwRealTransform(int size)
    : size_(size),
      input_(fftwf_alloc_real(size)),
      spectrum_(fftwf_alloc_complex(size / 2 + 1)),
      plan_(fftwf_plan_dft_r2c_1d(size, input_, spectrum_, FFTW_MEASURE)) {
  for (int i = 0; i < size; ++i) input_[i] = float(i % 17) - 8.0f;
}

FftwRealTransform::~FftwRealTransform() {
  fftwf_destroy_plan(plan_);
  fftwf_free(spectrum_);
  fftwf_free(input_);
}

void FftwRealTransform::forwardPacked(std::span<float> samples) {
  // FFTW may run a plan on other arrays only when they are aligned like the
  // planned ones; otherwise the samples go through the planned input.
  if (fftwf_alignment_of(samples.data()) == fftwf_alignment_of(input_)) {
    fftwf_execute_dft_r2c(plan_, samples.data(), spectrum_);
  } else {
    std::memcpy(input_, samples.data(), std::size_t(size_) * sizeof(float));
    fftwf_execute(plan_);
  }
  samples[0] = spectrum_[0][0];
  samples[1] = spectrum_[size_ / 2][0];
  for (int k = 1; k < size_ / 2; ++k) {
    samples[2 * k] = spectrum_[k][0];
    samples[2 * k + 1] = spectrum_[k][1];
  }
}

}  // namespace tolk::bench
