#include "editor/app/fseq_cli.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <span>
#include <stdexcept>

#include "editor/model/errors.h"
#include "editor/model/file_operations.h"

namespace fseq {

namespace {

constexpr const char* kProgram = "fseq-cli";

constexpr const char* kUsage = R"(Usage: fseq-cli COMMAND [ARGUMENTS]

Works on FS1R formant sequences (Fseq) without the editor's windows.

Commands:
  dump FILE        Load FILE as an FS1R Fseq dump (.syx) and print the report
                   the editor shows: header, name, frame count, checksum and
                   the bytes of every frame.
  convert IN OUT   Load IN and save it as OUT, printing the report of both.
                   IN is read as a dump when its first byte is F0 or its name
                   ends in .syx, otherwise as a frame text file. OUT is written
                   as a dump when its name ends in .syx, otherwise as a frame
                   text file.
  --help           Show this help.

Exit status: 0 on success, 1 when a file cannot be read, written or
understood, 2 on wrong usage.
)";

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using Arguments = std::span<const std::string>;

void print(std::ostream& out, const Report& report) {
  for (const ReportLine& line : report) out << line.text << '\n';
}

bool hasSyxExtension(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".syx";
}

bool looksLikeDump(const std::filesystem::path& file) {
  if (hasSyxExtension(file)) return true;
  std::ifstream in(file, std::ios::binary);
  char first = 0;
  return in.get(first) && static_cast<unsigned char>(first) == 0xF0;
}

void expectArguments(Arguments args, std::size_t count, const char* command) {
  if (args.size() != count) {
    throw UsageError(std::string(command) + " takes " + std::to_string(count) + " argument" +
                     (count == 1 ? "" : "s") + ", not " + std::to_string(args.size()));
  }
}

int dump(Arguments args, std::ostream& out) {
  expectArguments(args, 1, "dump");
  FseqDocument document;
  UploadMixer mixer;
  print(out, loadSyxFile(args[0], document, mixer));
  return 0;
}

int convert(Arguments args, std::ostream& out) {
  expectArguments(args, 2, "convert");
  const std::filesystem::path in = args[0];
  const std::filesystem::path outFile = args[1];
  FseqDocument document;
  UploadMixer mixer;
  print(out, looksLikeDump(in) ? loadSyxFile(in, document, mixer) : loadTextFile(in, document));
  print(out, hasSyxExtension(outFile) ? saveSyxFile(outFile, document, mixer)
                                      : saveTextFile(outFile, document));
  return 0;
}

struct Command {
  const char* name;
  std::function<int(Arguments, std::ostream&)> run;
};

const Command kCommands[] = {
    {"dump", dump},
    {"convert", convert},
};

}  // namespace

int runFseqCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw UsageError("no command given");
    if (args[0] == "--help" || args[0] == "-h") {
      out << kUsage;
      return 0;
    }
    for (const Command& command : kCommands) {
      if (args[0] == command.name) return command.run(Arguments(args).subspan(1), out);
    }
    throw UsageError("unknown command '" + args[0] + "'");
  } catch (const UsageError& error) {
    err << kProgram << ": " << error.what() << "\nTry '" << kProgram << " --help'.\n";
    return 2;
  } catch (const FileError& error) {
    err << kProgram << ": " << error.file().string() << ": " << error.reason() << '\n';
    return 1;
  }
}

}  // namespace fseq
