#include "editor/import/spectrum_import_buffer.h"

#include <algorithm>

namespace fseq {

void SpectrumImportBuffer::reset() {
  freq.fill(kEmptyFreqHz);
  level.fill(kEmptyLevelDb);
  smoothed.fill(0);
  xScale = 1.0;
}

void smoothSpectrum(SpectrumImportBuffer& buffer, int points) {
  constexpr int kWindow = 24;
  constexpr int kLast = SpectrumImportBuffer::kPoints;
  const auto& level = buffer.level;
  auto& smoothed = buffer.smoothed;

  double sum = 0;
  for (int j = 1; j <= kWindow; ++j) {
    sum += level[j];
    smoothed[j] = sum / j;
  }
  for (int k = 1; k <= points - kWindow && k + kWindow <= kLast; ++k) {
    sum = sum - level[k] + level[k + kWindow];
    smoothed[12 + k] = sum / 25 - 3;
  }
  std::fill(smoothed.begin() + 1, smoothed.begin() + 16, smoothed[16]);
  const int tailSource = std::clamp(points - 12, 1, kLast);
  std::fill(smoothed.begin() + std::clamp(points - 11, 1, kLast + 1), smoothed.end(),
            smoothed[tailSource]);
}

}  // namespace fseq
