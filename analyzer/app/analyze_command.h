#pragma once

#include <filesystem>
#include <ostream>

#include "analyzer/app/analyze_options.h"

namespace tolk {

// Runs "tolk-cli analyze": analyses the file as the options say and writes
// the image and logs asked for, printing what it wrote. Throws FileFailure
// with the message the program shows when it refuses the file or an output.
void runAnalyzeCommand(const AnalyzeOptions& options, const std::filesystem::path& scratchFolder,
                       std::ostream& out);

}  // namespace tolk
