#include "analyzer/dsp/fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <stdexcept>
#include <string>
#include <vector>

#include "analyzer/dsp/fft_kernels.h"
#include "analyzer/dsp/reference_dft.h"

namespace tolk {
namespace {

using testing::ReferenceDft;
using testing::testSignal;

// Both kernel sets run every test: the portable one and, where the processor
// has it, the AVX2 one that realFft and complexFft pick on this machine.
struct KernelCase {
  std::string name;
  const fft_detail::FftKernels* kernels;
};

std::vector<KernelCase> kernelCases() {
  std::vector<KernelCase> cases{{"portable", &fft_detail::portableKernels()}};
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) {
    cases.push_back({"avx2", &fft_detail::avx2Kernels()});
  }
  return cases;
}

class FftKernelTest : public ::testing::TestWithParam<int> {};

TEST_P(FftKernelTest, RealForwardMatchesDoublePrecisionDftInPackedLayout) {
  const int n = GetParam();
  const std::vector<float> signal = testSignal(n, 7);
  const ReferenceDft expected(signal);
  const double tolerance = 2e-6 * expected.largestMagnitude();
  for (const KernelCase& kernel : kernelCases()) {
    if (n / 2 < fft_detail::kMinVectorPoints && kernel.name != "portable") continue;
    std::vector<float> data = signal;
    std::vector<float> scratch(2 * n);
    kernel.kernels->realForward(fft_detail::planFor(n / 2).view(), data.data(), scratch.data());
    EXPECT_NEAR(data[0], expected.bin(0).real(), tolerance) << kernel.name;
    EXPECT_NEAR(data[1], expected.bin(n / 2).real(), tolerance) << kernel.name;
    for (const int k : expected.binsToCheck()) {
      if (k == 0 || k >= n / 2) continue;
      ASSERT_NEAR(data[2 * k], expected.bin(k).real(), tolerance) << kernel.name << " bin " << k;
      ASSERT_NEAR(data[2 * k + 1], expected.bin(k).imag(), tolerance)
          << kernel.name << " bin " << k;
    }
  }
}

TEST_P(FftKernelTest, RealInverseGivesSamplesTimesHalfTheSize) {
  const int n = GetParam();
  const std::vector<float> signal = testSignal(n, 11);
  for (const KernelCase& kernel : kernelCases()) {
    if (n / 2 < fft_detail::kMinVectorPoints && kernel.name != "portable") continue;
    std::vector<float> data = signal;
    std::vector<float> scratch(2 * n);
    const auto& plan = fft_detail::planFor(n / 2).view();
    kernel.kernels->realForward(plan, data.data(), scratch.data());
    kernel.kernels->realInverse(plan, data.data(), scratch.data());
    for (int i = 0; i < n; ++i) {
      ASSERT_NEAR(data[i] * 2.0 / n, signal[i], 1e-5) << kernel.name << " sample " << i;
    }
  }
}

TEST_P(FftKernelTest, ComplexTransformMatchesDftInBothDirections) {
  const int points = GetParam() / 2;
  const std::vector<float> values = testSignal(2 * points, 3);
  std::vector<std::complex<double>> input(points);
  for (int j = 0; j < points; ++j) input[j] = {values[2 * j], values[2 * j + 1]};
  for (const int direction : {+1, -1}) {
    const ReferenceDft expected(input, direction);
    const double tolerance = 2e-6 * expected.largestMagnitude();
    for (const KernelCase& kernel : kernelCases()) {
      if (points < fft_detail::kMinVectorPoints && kernel.name != "portable") continue;
      std::vector<float> data = values;
      std::vector<float> scratch(4 * points);
      kernel.kernels->complexTransform(fft_detail::planFor(points).view(), data.data(), direction,
                                       scratch.data());
      for (const int k : expected.binsToCheck()) {
        ASSERT_NEAR(data[2 * k], expected.bin(k).real(), tolerance) << kernel.name << " " << k;
        ASSERT_NEAR(data[2 * k + 1], expected.bin(k).imag(), tolerance) << kernel.name << " " << k;
      }
    }
  }
}

// Odd and even powers of two, so both the radix-4-only and the final radix-2
// pass orders run, from sizes below the vector kernels' minimum to 16384.
INSTANTIATE_TEST_SUITE_P(Sizes, FftKernelTest,
                         ::testing::Values(2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096,
                                           8192, 16384));

TEST(FftTest, AlternatingInputPutsEverythingIntoTheNyquistPlace) {
  std::vector<float> data(1024);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = (i % 2 == 0) ? 1.0f : -1.0f;
  realFft(data, +1);
  EXPECT_FLOAT_EQ(data[0], 0.0f);
  EXPECT_FLOAT_EQ(data[1], 1024.0f);
  for (std::size_t i = 2; i < data.size(); ++i) ASSERT_NEAR(data[i], 0.0f, 1e-3) << i;
}

TEST(FftTest, ComplexRoundTripRestoresTheInputTimesN) {
  const std::vector<float> values = testSignal(2 * 256, 5);
  std::vector<float> data = values;
  complexFft(data, +1);
  complexFft(data, -1);
  for (std::size_t i = 0; i < data.size(); ++i) ASSERT_NEAR(data[i] / 256, values[i], 1e-5);
}

TEST(FftTest, SizesThatAreNotPowersOfTwoAreRefused) {
  std::vector<float> data(24);
  EXPECT_THROW(realFft(data, +1), std::invalid_argument);
  EXPECT_THROW(complexFft(data, +1), std::invalid_argument);
  std::vector<float> one(1);
  EXPECT_THROW(realFft(one, +1), std::invalid_argument);
}

}  // namespace
}  // namespace tolk
