#pragma once

#include <span>

#include "editor/app/cli_support.h"

namespace fseq {

// dump and convert: the sequence files on their own.
std::span<const CliCommand> fileCommands();

}  // namespace fseq
