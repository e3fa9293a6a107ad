#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace tolk {

// The analyzer's command-line tool: "info" and "analyze" on wave files.
// Returns the exit status: 0 on success, 1 when the program refuses the file
// or the operation (one line "tolk-cli: FILE: message" on err), 2 on wrong
// usage. 8-bit and float files are converted in scratchFolder. A Qt GUI
// application must exist (the labels and the geometry use fonts).
int runTolkCli(const std::vector<std::string>& args, const std::filesystem::path& scratchFolder,
               std::ostream& out, std::ostream& err);

}  // namespace tolk
