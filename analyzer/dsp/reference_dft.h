#pragma once

#include <complex>
#include <span>
#include <vector>

namespace tolk::testing {

// Direct double-precision DFT, X(k) = sum x(j) e^(sign 2 pi i jk/n), the
// yardstick of the transform tests. Large sizes are checked at a spread of
// bins (every bin up to 2048 points), which keeps the tests quick.
class ReferenceDft {
 public:
  ReferenceDft(std::span<const std::complex<double>> input, int sign);
  explicit ReferenceDft(std::span<const float> realInput);

  std::complex<double> bin(int k) const;
  std::vector<int> binsToCheck() const;
  double largestMagnitude() const;

 private:
  std::vector<std::complex<double>> input_;
  std::vector<std::complex<double>> turns_;
};

// A deterministic test signal: a few sines, a DC offset and noise.
std::vector<float> testSignal(int count, unsigned seed);

}  // namespace tolk::testing
