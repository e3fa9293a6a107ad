#include "editor/import/map_import.h"

#include <algorithm>
#include <string>
#include <utility>

#include "editor/import/formant_finder.h"
#include "editor/model/file_names.h"

namespace fseq {

namespace {

constexpr double kLogToImportDb = -20;  // logged levels are taken 20 dB lower
constexpr int kMapBandEndPoint = 745;
constexpr int kFramesPerBlock = 128;

// Clear All's effect on the document: every frame zero, 512 frames, the
// fixed settings as Clear All sets them.
void clearForImport(FseqDocument& document, UploadMixer& mixer) {
  document.frames.fill(FseqFrame{});
  document.frameCount = kMaxFrames;
  document.currentFrame = 1;
  document.settings = FseqSettings::afterClearAll();
  mixer.reset();
}

}  // namespace

MapImportOutcome importMap(const MapLog& log, std::string_view fileName,
                           const ImportSettings& settings, FseqDocument& document,
                           UploadMixer& mixer, SpectrumImportBuffer& buffer) {
  MapImportOutcome result;
  Report& report = result.outcome.report;
  clearForImport(document, mixer);
  buffer.reset();

  addLine(report, std::string(kMapImportLoadingLine));
  addLine(report, " ");
  addLine(report, "Importing Veltrix16 File Name: " + nameWithoutExtension(std::string(fileName)));
  addLine(report, "Sample Timing: " + fixedPoint(log.timeStepMs, 1) +
                      "  Skip: " + fixedPoint(log.skipLines, 1) + " lines per Read.");
  addLine(report, "Reading in Frequencies...");
  const int columns = static_cast<int>(log.freqHz.size());
  std::copy(log.freqHz.begin(), log.freqHz.end(), buffer.freq.begin() + 1);
  buffer.freq[columns + 1] = 8005;
  buffer.level[columns + 1] = -100;

  addLine(report, "Reading in Frame Levels...");
  std::string dots;
  for (int j = 1; j <= kMaxFrames; ++j) {
    const auto& row = log.frameRows[static_cast<std::size_t>(j - 1)];
    if (!row) continue;
    // A short row changes only the levels it holds; the rest keep the previous row's.
    for (std::size_t u = 0; u < row->size(); ++u) buffer.level[u + 1] = (*row)[u] + kLogToImportDb;
    dots += '.';
    ++result.framesRead;
    FormantFinder(buffer, columns, settings, kMapBandEndPoint, document.frame(j));
    if (j % kFramesPerBlock == 0) {
      addLine(report, std::exchange(dots, {}));
      addLine(report, "Block" + std::to_string(j / kFramesPerBlock));
    }
  }
  if (!dots.empty()) addLine(report, dots);

  postProcessLevels(document, settings);
  carrySilentFrequencies(document);
  addLine(report, "Done.");
  document.currentFrame = kMaxFrames;
  document.importedFrame = kMaxFrames;
  return result;
}

}  // namespace fseq
