#pragma once

#include "analyzer/dsp/fft_plan.h"

namespace tolk::fft_detail {

// One implementation of the transforms for one instruction set. Each works in
// place on `data` and uses `scratch` (4 * points floats) for the split-format
// work arrays. Sizes below kMinVectorPoints always use the portable kernels.
struct FftKernels {
  // Interleaved complex data of plan.points values; direction +1 computes
  // sum x_j e^(+2 pi i jk/n), -1 the unscaled inverse.
  void (*complexTransform)(const PlanView& plan, float* data, int direction, float* scratch);
  // 2 * plan.points real values to the packed spectrum, and back (times points).
  void (*realForward)(const PlanView& plan, float* data, float* scratch);
  void (*realInverse)(const PlanView& plan, float* data, float* scratch);
};

inline constexpr int kMinVectorPoints = 32;

const FftKernels& portableKernels();
// AVX2 and FMA; only to be called when the processor has both.
const FftKernels& avx2Kernels();
// The fastest kernels this processor runs.
const FftKernels& bestKernels();

}  // namespace tolk::fft_detail
