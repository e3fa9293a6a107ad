#pragma once

#include <vector>

namespace tolk::fft_detail {

// Twiddle factors of one radix-4 pass of the split-format transform: for the
// groups p < subLength / 4, w^p, w^2p and w^3p with w = e^(-2 pi i / subLength).
// When the pass's stride is below the widest vector (but above 1) the factors
// are also stored once per element (lane r of the pass reads p = r / stride),
// so the vector kernels can load them without gathering.
struct RadixFourPass {
  int stride = 0;
  int groups = 0;
  const float* twiddles = nullptr;          // 6 * groups: w1 re, w1 im, w2 re, w2 im, w3 re, w3 im
  const float* expandedTwiddles = nullptr;  // 6 * points / 4, or null
};

// Everything a kernel needs to transform `points` complex values, as plain
// pointers into the plan's storage.
struct PlanView {
  int points = 0;
  int passCount = 0;
  const RadixFourPass* passes = nullptr;
  bool finalRadixTwo = false;           // log2(points) odd: one radix-2 pass at the end
  const float* realTwiddles = nullptr;  // cos, then sin, of pi k / points for k < points
};

// The twiddle tables for one transform size, computed once in double precision
// from exact angles and stored as floats. A plan never changes after it is
// built, so one plan serves every caller of that size.
class FftPlan {
 public:
  explicit FftPlan(int points);
  FftPlan(const FftPlan&) = delete;
  FftPlan& operator=(const FftPlan&) = delete;

  const PlanView& view() const { return view_; }

 private:
  std::vector<float> storage_;
  std::vector<RadixFourPass> passes_;
  PlanView view_;
};

// The shared plan for `points` complex values (a power of two), built on first use.
const FftPlan& planFor(int points);

}  // namespace tolk::fft_detail
