#include "analyzer/dsp/fft.h"

#include <bit>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "analyzer/dsp/fft_kernels.h"

namespace tolk {

namespace {

using fft_detail::FftKernels;
using fft_detail::PlanView;

const FftKernels& kernelsFor(int points) {
  return points >= fft_detail::kMinVectorPoints ? fft_detail::bestKernels()
                                                : fft_detail::portableKernels();
}

// Work arrays of the split-format transform, kept per thread between calls.
float* scratchFor(int points) {
  thread_local std::vector<float> scratch;
  const std::size_t needed = 4 * std::size_t(points);
  if (scratch.size() < needed) scratch.resize(needed);
  return scratch.data();
}

int powerOfTwoOrThrow(std::size_t count, std::size_t minimum, const char* what) {
  if (count < minimum || !std::has_single_bit(count) || count > (std::size_t{1} << 30)) {
    throw std::invalid_argument(std::string(what) + ": size is not a power of two");
  }
  return int(count);
}

}  // namespace

void complexFft(std::span<float> data, int direction) {
  const int points = powerOfTwoOrThrow(data.size() / 2, 1, "complexFft");
  if (data.size() % 2 != 0) throw std::invalid_argument("complexFft: odd number of floats");
  const PlanView& plan = fft_detail::planFor(points).view();
  kernelsFor(points).complexTransform(plan, data.data(), direction, scratchFor(points));
}

void realFft(std::span<float> data, int direction) {
  const int points = powerOfTwoOrThrow(data.size(), 2, "realFft") / 2;
  const PlanView& plan = fft_detail::planFor(points).view();
  float* scratch = scratchFor(points);
  if (direction > 0) {
    kernelsFor(points).realForward(plan, data.data(), scratch);
  } else {
    kernelsFor(points).realInverse(plan, data.data(), scratch);
  }
}

}  // namespace tolk
