#include <iostream>
#include <string>
#include <vector>

#include "editor/app/fseq_cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return fseq::runFseqCli(args, std::cout, std::cerr);
}
