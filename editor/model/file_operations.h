#pragma once

#include <filesystem>

#include "editor/model/fseq_document.h"
#include "editor/model/report.h"
#include "editor/model/upload_mixer.h"

// The main window's four file operations on a chosen file: each returns the
// report lines it shows and throws FileError (the document unchanged) when the
// file cannot be read, written or understood.
namespace fseq {

// "Save .syx": the document's dump, built with the mixer's level scaling.
Report saveSyxFile(const std::filesystem::path& file, const FseqDocument& document,
                   const UploadMixer& mixer);

// "Load .syx": the dump's settings and frames into the document.
Report loadSyxFile(const std::filesystem::path& file, FseqDocument& document, UploadMixer& mixer);

// "Save Text": the frames as a frame text file.
Report saveTextFile(const std::filesystem::path& file, const FseqDocument& document);

// "Load Text": frames, frame count and reset fixed settings from a frame text file.
Report loadTextFile(const std::filesystem::path& file, FseqDocument& document);

}  // namespace fseq
