#pragma once

#include <string_view>

#include "editor/import/import_settings.h"
#include "editor/import/map_log_reader.h"
#include "editor/import/single_spectrum_import.h"
#include "editor/import/spectrum_import_buffer.h"
#include "editor/model/fseq_document.h"
#include "editor/model/upload_mixer.h"

namespace fseq {

// The report's first line, shown while the user chooses the log.
inline constexpr std::string_view kMapImportLoadingLine = "Loading...";

// A map import's report and how many frames it filled from log rows.
struct MapImportOutcome {
  ImportOutcome outcome;
  int framesRead = 0;
};

// Builds a new 512-frame sequence from a map log that has been read whole:
// the document is cleared as Clear All clears it, each frame is found from
// its log row (levels as logged, lowered by 20 dB), levels are post-processed
// and silent formants take the previous frame's frequency. Frames the log
// has no row for stay zero. Ends with currentFrame and importedFrame at 512,
// the mixer at 100 % and the last row's spectrum in the buffer.
MapImportOutcome importMap(const MapLog& log, std::string_view fileName,
                           const ImportSettings& settings, FseqDocument& document,
                           UploadMixer& mixer, SpectrumImportBuffer& buffer);

}  // namespace fseq
