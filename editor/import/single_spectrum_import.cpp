#include "editor/import/single_spectrum_import.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "editor/import/formant_finder.h"
#include "editor/model/file_names.h"

namespace fseq {

namespace {

// The spectrum's last point: the point after which the band search stops, and
// the number of points the smoothing window passes over.
constexpr int kBandEndPoint = SpectrumImportBuffer::kPoints;
constexpr int kSmoothedPoints = SpectrumImportBuffer::kPoints - 1;
constexpr double kAudacityBinWidthHz = 10.766602;  // 44100 Hz / 4096
constexpr double kDenseExportHz = 7000;

std::string pointsLine(const SpectrumImportBuffer& buffer, int last) {
  return "F:" + fixedPoint(buffer.freq[1], 2) + "  L:" + fixedPoint(buffer.level[1], 2) + " -to-" +
         " F:" + fixedPoint(buffer.freq[last], 2) + "  L:" + fixedPoint(buffer.level[last], 2);
}

// Lowest level to −100 dB (the lowest counted from 0 dB), then the loudest
// point down to −30 dB if it lies above.
void normalise(SpectrumImportBuffer& buffer, double lowestDb) {
  auto levels = std::span(buffer.level).subspan(1);
  for (double& level : levels) level -= lowestDb + 100;
  const double peak = std::max(-100.0, *std::max_element(levels.begin(), levels.end()));
  if (peak > -30) {
    for (double& level : levels) level -= 30 + peak;
  }
}

std::string formantLine(int k, const SpectrumImportBuffer& buffer, const FormantPeak& peak,
                        const FseqFrame& frame) {
  const std::string n = std::to_string(k + 1);
  const std::int64_t voiced = frame.voicedLevel(k);
  const std::int64_t unvoiced = frame.unvoicedLevel(k);
  return "VFreq" + n + ": " + fixedPoint(buffer.freq[peak.voicedPoint], 2) + " hz   " + "Level" +
         n + ": " + std::to_string(voiced) + "   " + "UnFrq" + n + ": " +
         fixedPoint(buffer.freq[peak.unvoicedPoint], 2) + " hz   " + "UnLvl" + n + ": " +
         std::to_string(unvoiced) + "   " + "diff: " + std::to_string(voiced - unvoiced);
}

}  // namespace

ImportOutcome importSpectrum(SpectrumSource source, const SpectrumPoints& points,
                             std::string_view fileName, const ImportSettings& settings,
                             FseqDocument& document, SpectrumImportBuffer& buffer) {
  ImportOutcome outcome;
  Report& report = outcome.report;
  buffer.reset();

  const int count = std::min<int>(static_cast<int>(points.freqHz.size()), buffer.kPoints);
  double lowestDb = 0;
  int lastBelow8k = 0;
  for (int i = 1; i <= count; ++i) {
    buffer.freq[i] = points.freqHz[i - 1];
    buffer.level[i] = points.levelDb[i - 1];
    lowestDb = std::min(lowestDb, buffer.level[i]);
    if (buffer.freq[i] < 8000) lastBelow8k = i;
  }

  const std::string name = nameWithoutExtension(std::string(fileName));
  addLine(report, " ");
  if (source == SpectrumSource::Audacity) {
    addLine(report, "Importing Audacity File Name: " + name);
    addLine(report, pointsLine(buffer, 745));
    if (buffer.freq[743] < kDenseExportHz) outcome.messages.emplace_back(kReExportMessage);
    buffer.xScale = buffer.freq[1] / kAudacityBinWidthHz;
    addLine(report,
            "j=" + std::to_string(lastBelow8k) + "  XScale=" + fixedPoint(buffer.xScale, 2));
  } else {
    addLine(report, "Importing Veltrix16 File Name: " + name);
    buffer.freq[744] = 8005;
    buffer.level[744] = -100;
    buffer.freq[745] = 8010;
    buffer.level[745] = -100;
    addLine(report, pointsLine(buffer, kSlicePoints));
  }

  document.importedFrame = document.currentFrame;
  normalise(buffer, lowestDb);
  addLine(report, "Data Normalized.");

  FseqFrame& frame = document.frame(document.currentFrame);
  const FormantFinderResult found =
      FormantFinder(buffer, kSmoothedPoints, settings, kBandEndPoint, frame);
  addLine(report, " ");
  addLine(report, "Pitch:" + fixedPoint(buffer.freq[found.pitchPoint], 2) + " hz");
  for (int k = 0; k < kFormantCount; ++k) {
    addLine(report, formantLine(k, buffer, found.formants[k], frame));
  }
  postProcessLevels(document, settings);
  return outcome;
}

}  // namespace fseq
