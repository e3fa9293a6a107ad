#include "analyzer/dsp/reference_dft.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace tolk::testing {

ReferenceDft::ReferenceDft(std::span<const std::complex<double>> input, int sign)
    : input_(input.begin(), input.end()), turns_(input.size()) {
  const std::size_t n = input.size();
  for (std::size_t j = 0; j < n; ++j) {
    const double angle = sign * 2.0 * std::numbers::pi * double(j) / double(n);
    turns_[j] = {std::cos(angle), std::sin(angle)};
  }
}

ReferenceDft::ReferenceDft(std::span<const float> realInput)
    : ReferenceDft(std::vector<std::complex<double>>(realInput.begin(), realInput.end()), +1) {}

std::complex<double> ReferenceDft::bin(int k) const {
  const std::size_t n = input_.size();
  std::complex<double> sum = 0;
  // j * k reduced modulo n keeps every angle exact.
  for (std::size_t j = 0; j < n; ++j) sum += input_[j] * turns_[(j * std::size_t(k)) % n];
  return sum;
}

std::vector<int> ReferenceDft::binsToCheck() const {
  const int n = int(input_.size());
  const int step = n <= 2048 ? 1 : n / 512 + 1;
  std::vector<int> bins;
  for (int k = 0; k < n; k += step) bins.push_back(k);
  for (int k : {1, 2, n / 4, n / 2 - 1, n / 2, n / 2 + 1, n - 1}) {
    if (k >= 0 && k < n) bins.push_back(k);
  }
  return bins;
}

double ReferenceDft::largestMagnitude() const {
  // The test signals are a few low-frequency sines plus noise: their largest
  // bin is among the first few dozen.
  double largest = 0;
  for (int k = 0; k < std::min<int>(int(input_.size()), 64); ++k) {
    largest = std::max(largest, std::abs(bin(k)));
  }
  return largest;
}

std::vector<float> testSignal(int count, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> noise(-0.25f, 0.25f);
  std::vector<float> signal(count);
  for (int i = 0; i < count; ++i) {
    const double t = double(i) / count;
    signal[i] = float(0.3 + std::sin(2 * std::numbers::pi * 5 * t) +
                      0.5 * std::cos(2 * std::numbers::pi * 17.3 * t) + noise(random));
  }
  return signal;
}

}  // namespace tolk::testing
