#pragma once

#include <span>

#include "editor/app/cli_support.h"

namespace fseq {

// import-slice, import-audacity and import-map: frames from spectra.
std::span<const CliCommand> importCommands();

}  // namespace fseq
