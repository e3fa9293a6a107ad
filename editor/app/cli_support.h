#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/fseq_document.h"
#include "editor/model/report.h"
#include "editor/model/upload_mixer.h"

// What the commands of fseq-cli share: their table entry, usage errors, and
// loading and saving a sequence by the kind its file name or content shows.
namespace fseq {

using CliArguments = std::span<const std::string>;

struct CliCommand {
  const char* name;
  const char* help;  // the command's lines of the --help text
  int (*run)(CliArguments args, std::ostream& out, std::ostream& err);
};

// Wrong usage: reported with a hint to --help, exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

void printReport(std::ostream& out, const Report& report);

// A command's arguments split into positional ones and "--name value" options.
struct ParsedArguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string, std::less<>> options;

  const std::string* option(std::string_view name) const;
};

// Splits the arguments; an option that is not allowed or has no value is a
// UsageError.
ParsedArguments parseArguments(CliArguments args, std::span<const std::string_view> allowedOptions,
                               const char* command);

// An option's value as a finite number; anything else is a UsageError.
double numberValue(std::string_view option, const std::string& value);

// An option's value as a whole number: a number rounded as the editor rounds.
std::int32_t wholeValue(std::string_view option, const std::string& value);

// Throws UsageError unless there are exactly count arguments.
void expectArgumentCount(CliArguments args, std::size_t count, const char* command);

bool hasSyxExtension(const std::filesystem::path& file);

// Loads a dump when the file's first byte is F0 or its name ends in ".syx",
// otherwise a frame text file; returns the load's report.
Report loadSequence(const std::filesystem::path& file, FseqDocument& document, UploadMixer& mixer);

// Saves a dump when the name ends in ".syx", otherwise a frame text file.
Report saveSequence(const std::filesystem::path& file, const FseqDocument& document,
                    const UploadMixer& mixer);

}  // namespace fseq
