#pragma once

#include <filesystem>

#include "editor/import/map_log_reader.h"
#include "editor/import/single_spectrum_import.h"
#include "editor/import/spectrum_file_readers.h"

// The import readers on files: each reads and checks the whole file and
// throws FileError, naming the file, when it cannot be read or understood.
namespace fseq {

SpectrumPoints readSpectrumFile(const std::filesystem::path& file, SpectrumSource source);

MapLog readMapLogFile(const std::filesystem::path& file, double seconds);

}  // namespace fseq
