#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/import/import_settings.h"
#include "editor/import/spectrum_file_readers.h"
#include "editor/import/spectrum_import_buffer.h"
#include "editor/model/fseq_document.h"
#include "editor/model/report.h"

namespace fseq {

enum class SpectrumSource { Audacity, SliceLog };

// What an import reports: its report lines, and the messages a window shows
// in a box (the import goes on after them).
struct ImportOutcome {
  Report report;
  std::vector<std::string> messages;
};

inline constexpr std::string_view kReExportMessage =
    "Re-export the file from Audacity using a lower \"Size\" setting.";

// Fills the current frame from one spectrum read by the reader of its
// source: the levels are normalised (lowest to −100 dB, peak at most −30 dB),
// the pitch and the formants found, and then the levels of every frame of the
// document post-processed. The spectrum stays in the buffer for the formant
// plot, and importedFrame becomes the current frame.
ImportOutcome importSpectrum(SpectrumSource source, const SpectrumPoints& points,
                             std::string_view fileName, const ImportSettings& settings,
                             FseqDocument& document, SpectrumImportBuffer& buffer);

}  // namespace fseq
