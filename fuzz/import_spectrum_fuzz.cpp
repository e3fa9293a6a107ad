// Feeds arbitrary text to both single-spectrum readers and imports whatever
// they accept, so the pitch and formant search meet odd spectra too.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/import/single_spectrum_import.h"
#include "editor/model/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const fseq::SpectrumSource source :
       {fseq::SpectrumSource::Audacity, fseq::SpectrumSource::SliceLog}) {
    fseq::SpectrumPoints points;
    try {
      points = source == fseq::SpectrumSource::Audacity ? fseq::readAudacitySpectrum(text)
                                                        : fseq::readSliceLogSpectrum(text);
    } catch (const fseq::FormatError&) {
      continue;
    }
    fseq::FseqDocument document;
    fseq::SpectrumImportBuffer buffer;
    fseq::ImportSettings settings;
    settings.mode = size % 2 ? fseq::FormantLocationMode::SpecificFrequencies
                             : fseq::FormantLocationMode::FrequencyBands;
    fseq::importSpectrum(source, points, "fuzz.txt", settings, document, buffer);
  }
  return 0;
}
