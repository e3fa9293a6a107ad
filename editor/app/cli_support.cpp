#include "editor/app/cli_support.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "editor/model/file_operations.h"

namespace fseq {

void printReport(std::ostream& out, const Report& report) {
  for (const ReportLine& line : report) out << line.text << '\n';
}

void expectArgumentCount(CliArguments args, std::size_t count, const char* command) {
  if (args.size() != count) {
    throw UsageError(std::string(command) + " takes " + std::to_string(count) + " argument" +
                     (count == 1 ? "" : "s") + ", not " + std::to_string(args.size()));
  }
}

bool hasSyxExtension(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".syx";
}

namespace {

bool startsWithSysEx(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  char first = 0;
  return in.get(first) && static_cast<unsigned char>(first) == 0xF0;
}

}  // namespace

Report loadSequence(const std::filesystem::path& file, FseqDocument& document, UploadMixer& mixer) {
  if (hasSyxExtension(file) || startsWithSysEx(file)) return loadSyxFile(file, document, mixer);
  return loadTextFile(file, document);
}

Report saveSequence(const std::filesystem::path& file, const FseqDocument& document,
                    const UploadMixer& mixer) {
  return hasSyxExtension(file) ? saveSyxFile(file, document, mixer) : saveTextFile(file, document);
}

}  // namespace fseq
