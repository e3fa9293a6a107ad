#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "editor/app/fseq_cli.h"

// Runs fseq-cli in the test process and splits what it printed into lines.
namespace fseq {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

inline CliResult runCli(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = runFseqCli(args, out, err);
  return {status, out.str(), err.str()};
}

inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace fseq
