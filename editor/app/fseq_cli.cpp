#include "editor/app/fseq_cli.h"

#include <vector>

#include "editor/app/cli_file_commands.h"
#include "editor/app/cli_import_commands.h"
#include "editor/app/cli_midi_commands.h"
#include "editor/app/cli_support.h"
#include "editor/model/errors.h"

namespace fseq {

namespace {

constexpr const char* kProgram = "fseq-cli";

std::vector<CliCommand> allCommands() {
  std::vector<CliCommand> commands;
  for (const auto& group : {fileCommands(), importCommands(), midiCommands()})
    commands.insert(commands.end(), group.begin(), group.end());
  return commands;
}

void printUsage(std::ostream& out, const std::vector<CliCommand>& commands) {
  out << "Usage: fseq-cli COMMAND [ARGUMENTS]\n\n"
         "Works on FS1R formant sequences (Fseq) without the editor's windows.\n\n"
         "Commands:\n";
  for (const CliCommand& command : commands) out << command.help;
  out << "  --help           Show this help.\n\n"
         "Exit status: 0 on success, 1 when a file cannot be read, written or\n"
         "understood, 2 on wrong usage.\n";
}

}  // namespace

int runFseqCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::vector<CliCommand> commands = allCommands();
  try {
    if (args.empty()) throw UsageError("no command given");
    if (args[0] == "--help" || args[0] == "-h") {
      printUsage(out, commands);
      return 0;
    }
    for (const CliCommand& command : commands) {
      if (args[0] == command.name) return command.run(CliArguments(args).subspan(1), out, err);
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
