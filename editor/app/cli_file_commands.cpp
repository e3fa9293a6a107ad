#include "editor/app/cli_file_commands.h"

#include "editor/model/file_operations.h"

namespace fseq {

namespace {

int dump(CliArguments args, std::ostream& out, std::ostream&) {
  expectArgumentCount(args, 1, "dump");
  FseqDocument document;
  UploadMixer mixer;
  printReport(out, loadSyxFile(args[0], document, mixer));
  return 0;
}

int convert(CliArguments args, std::ostream& out, std::ostream&) {
  expectArgumentCount(args, 2, "convert");
  FseqDocument document;
  UploadMixer mixer;
  printReport(out, loadSequence(args[0], document, mixer));
  printReport(out, saveSequence(args[1], document, mixer));
  return 0;
}

constexpr CliCommand kCommands[] = {
    {"dump",
     "  dump FILE        Load FILE as an FS1R Fseq dump (.syx) and print the report\n"
     "                   the editor shows: header, name, frame count, checksum and\n"
     "                   the bytes of every frame.\n",
     dump},
    {"convert",
     "  convert IN OUT   Load IN and save it as OUT, printing the report of both.\n"
     "                   IN is read as a dump when its first byte is F0 or its name\n"
     "                   ends in .syx, otherwise as a frame text file. OUT is written\n"
     "                   as a dump when its name ends in .syx, otherwise as a frame\n"
     "                   text file.\n",
     convert},
};

}  // namespace

std::span<const CliCommand> fileCommands() {
  return kCommands;
}

}  // namespace fseq
