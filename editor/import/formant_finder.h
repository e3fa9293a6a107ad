#pragma once

#include <array>
#include <cstdint>

#include "editor/import/import_settings.h"
#include "editor/import/spectrum_import_buffer.h"
#include "editor/model/fseq_document.h"

// The pitch and formant search that turns one spectrum into one frame.
namespace fseq {

// The frame level of a spectrum level: −30 dB is 127, −100 dB is 0, 1.8143
// steps per dB, rounded with ties to even; not clamped (that is the
// post-processing's job). Something that is not a number gives 0.
std::int32_t dbToLevel(double db);

// The last point the pitch search can reach; the bands end where the caller says.
inline constexpr int kPitchSearchEndPoint = 745;

// The loudest point from the first one up to and including the first at or
// above maxHz.
int findPitchPoint(const SpectrumImportBuffer& buffer, double maxHz);

// The peaks of one band: the voiced formant is the loudest raw point, the
// unvoiced formant the loudest smoothed point; ties keep the lower frequency.
struct FormantPeak {
  int voicedPoint = 1;
  double voicedDb = 0;
  int unvoicedPoint = 1;
  double unvoicedDb = 0;
};

// Searches the eight bands one after the other; the search stops for good
// when it reaches endPoint.
std::array<FormantPeak, 8> findFormants(const SpectrumImportBuffer& buffer,
                                        const FormantBands& bands, int endPoint);

// Pitch search, smoothing over the spectrum's points, and band search, with
// the results written into the frame (pitch, eight voiced and eight unvoiced
// formants with their unclamped levels). Returns the peaks for reports.
struct FormantFinderResult {
  int pitchPoint = 1;
  std::array<FormantPeak, 8> formants{};
};
FormantFinderResult FormantFinder(SpectrumImportBuffer& buffer, int points,
                                  const ImportSettings& settings, int bandEndPoint,
                                  FseqFrame& frame);

// After an import, for every frame of the document: levels clamped to
// 0 … 127 and, with separate bands on, only the voiced or the unvoiced level
// of each formant kept (the voiced one when it is at least the threshold
// louder).
void postProcessLevels(FseqDocument& document, const ImportSettings& settings);

// A silent formant takes the frequency of the frame before it, so the
// synthesizer does not glide to an arbitrary frequency; frames are taken in
// order, so a frequency travels forward over several silent frames.
void carrySilentFrequencies(FseqDocument& document);

}  // namespace fseq
