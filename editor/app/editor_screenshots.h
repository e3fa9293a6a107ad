#pragma once

#include <filesystem>
#include <ostream>

namespace fseq {

// Writes a PNG of each of the editor's eight windows into folder (created
// when missing), named after the window class ("TForm1.png" …
// "TForm8.png"), with the sample sequence loaded through "Load .syx" so the
// plots show real curves. Needs a running QApplication (any platform,
// offscreen included). Returns 0, or 1 with a message on err when a file
// cannot be written.
int writeEditorScreenshots(const std::filesystem::path& folder, std::ostream& err);

}  // namespace fseq
