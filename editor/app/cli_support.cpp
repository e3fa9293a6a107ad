#include "editor/app/cli_support.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>

#include "editor/model/file_operations.h"
#include "editor/model/rounding.h"

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

const std::string* ParsedArguments::option(std::string_view name) const {
  const auto found = options.find(name);
  return found == options.end() ? nullptr : &found->second;
}

ParsedArguments parseArguments(CliArguments args, std::span<const std::string_view> allowedOptions,
                               const char* command) {
  ParsedArguments parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.starts_with("--")) {
      parsed.positional.push_back(arg);
      continue;
    }
    if (std::find(allowedOptions.begin(), allowedOptions.end(), arg) == allowedOptions.end()) {
      throw UsageError(std::string(command) + " has no option '" + arg + "'");
    }
    if (i + 1 == args.size()) throw UsageError(arg + " needs a value");
    parsed.options[arg] = args[++i];
  }
  return parsed;
}

double numberValue(std::string_view option, const std::string& value) {
  const std::string_view digits =
      value.size() > 1 && value[0] == '+' ? std::string_view(value).substr(1) : value;
  double number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(number)) {
    throw UsageError(std::string(option) + " takes a number, not '" + value + "'");
  }
  return number;
}

std::int32_t wholeValue(std::string_view option, const std::string& value) {
  constexpr double kLimit = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(
      roundHalfEven(std::clamp(numberValue(option, value), -kLimit, kLimit)));
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
