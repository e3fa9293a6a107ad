#include "editor/import/formant_finder.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "editor/model/rounding.h"

namespace fseq {

namespace {

constexpr double kLevelStepsPerDb = 1.8143;
constexpr double kLoudestDb = -30;
constexpr double kPeakFloorDb = -100;
constexpr double kPitchSearchStopHz = 8000;
constexpr double kBandSearchStopHz = 8010;

}  // namespace

std::int32_t dbToLevel(double db) {
  const double level = (db - kLoudestDb) * kLevelStepsPerDb + 127;
  if (std::isnan(level)) return 0;
  constexpr double kLimit = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(roundHalfEven(std::clamp(level, -kLimit, kLimit)));
}

int findPitchPoint(const SpectrumImportBuffer& buffer, double maxHz) {
  double curF = 0;
  double peak = kPeakFloorDb;
  int best = 1;
  int i = 1;
  while (maxHz > curF) {
    curF = buffer.freq[i];
    if (buffer.level[i] > peak) {
      peak = buffer.level[i];
      best = i;
    }
    ++i;
    if (i == kPitchSearchEndPoint) curF = kPitchSearchStopHz;
  }
  return best;
}

std::array<FormantPeak, 8> findFormants(const SpectrumImportBuffer& buffer,
                                        const FormantBands& bands, int endPoint) {
  std::array<FormantPeak, 8> peaks{};
  int i = 1;
  double curF = 0;
  const auto step = [&] {
    ++i;
    if (i == endPoint) curF = kBandSearchStopHz;
  };
  for (int k = 0; k < 8; ++k) {
    if (bands.skipToLower) {
      while (bands.lowerHz[k] > curF) {
        curF = buffer.freq[i];
        step();
      }
    }
    FormantPeak& peak = peaks[k];
    if (i == 1) {
      peak = {1, kPeakFloorDb, 1, kPeakFloorDb};
    } else {
      peak = {i, buffer.level[i], i, buffer.smoothed[i]};
    }
    while (bands.upperHz[k] > curF) {
      curF = buffer.freq[i];
      if (buffer.level[i] > peak.voicedDb) {
        peak.voicedDb = buffer.level[i];
        peak.voicedPoint = i;
      }
      if (buffer.smoothed[i] > peak.unvoicedDb) {
        peak.unvoicedDb = buffer.smoothed[i];
        peak.unvoicedPoint = i;
      }
      step();
    }
  }
  return peaks;
}

FormantFinderResult FormantFinder(SpectrumImportBuffer& buffer, int points,
                                  const ImportSettings& settings, int bandEndPoint,
                                  FseqFrame& frame) {
  FormantFinderResult result;
  result.pitchPoint = findPitchPoint(buffer, settings.pitchFinderMax);
  frame.setPitch(FreqSettings(buffer.freq[result.pitchPoint]));
  smoothSpectrum(buffer, points);
  result.formants = findFormants(buffer, formantBands(settings), bandEndPoint);
  for (int k = 0; k < 8; ++k) {
    const FormantPeak& peak = result.formants[k];
    frame.setVoiced(k, FreqSettings(buffer.freq[peak.voicedPoint]));
    frame.voicedLevel(k) = dbToLevel(peak.voicedDb);
    frame.setUnvoiced(k, FreqSettings(buffer.freq[peak.unvoicedPoint]));
    frame.unvoicedLevel(k) = dbToLevel(peak.unvoicedDb);
  }
  return result;
}

void postProcessLevels(FseqDocument& document, const ImportSettings& settings) {
  for (FseqFrame& frame : document.frames) {
    for (int k = 0; k < kFormantCount; ++k) {
      std::int32_t& voiced = frame.voicedLevel(k);
      std::int32_t& unvoiced = frame.unvoicedLevel(k);
      voiced = std::clamp(voiced, 0, 127);
      unvoiced = std::clamp(unvoiced, 0, 127);
      if (!settings.separateBands) continue;
      if (settings.differenceThreshold > voiced - unvoiced) {
        voiced = 0;
      } else {
        unvoiced = 0;
      }
    }
  }
}

void carrySilentFrequencies(FseqDocument& document) {
  for (std::size_t j = 1; j < document.frames.size(); ++j) {
    const FseqFrame& previous = document.frames[j - 1];
    FseqFrame& frame = document.frames[j];
    for (int k = 0; k < kFormantCount; ++k) {
      if (frame.voicedLevel(k) == 0) frame.setVoiced(k, previous.voiced(k));
      if (frame.unvoicedLevel(k) == 0) frame.setUnvoiced(k, previous.unvoiced(k));
    }
  }
}

}  // namespace fseq
