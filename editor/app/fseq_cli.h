#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace fseq {

// The editor's command-line tool: runs one command on files, printing the
// report lines the editor's windows would show. Returns the exit status:
// 0 on success, 1 when a file cannot be read, written or understood (with one
// line "fseq-cli: FILE: reason" on err), 2 on wrong usage.
int runFseqCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace fseq
