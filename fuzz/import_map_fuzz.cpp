// Feeds arbitrary text to the map log reader and imports whatever it accepts.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "editor/import/map_import.h"
#include "editor/model/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  fseq::MapLog log;
  try {
    log = fseq::readMapLog(in, size % 2 ? 5.3 : 1.0);
  } catch (const fseq::FormatError&) {
    return 0;
  }
  fseq::FseqDocument document;
  fseq::UploadMixer mixer;
  fseq::SpectrumImportBuffer buffer;
  fseq::ImportSettings settings;
  settings.mode = size % 3 ? fseq::FormantLocationMode::FrequencyBands
                           : fseq::FormantLocationMode::SpecificFrequencies;
  fseq::importMap(log, "fuzz.txt", settings, document, mixer, buffer);
  return 0;
}
