#include "editor/app/cli_import_commands.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "editor/import/import_files.h"
#include "editor/import/map_import.h"
#include "editor/model/file_names.h"

namespace fseq {

namespace {

constexpr double kDefaultSeconds = 5.3;

constexpr std::string_view kSingleOptions[] = {"--frame",    "--base",  "--pitch-max", "--bands",
                                               "--specific", "--range", "--separate"};
constexpr std::string_view kMapOptions[] = {"--seconds",  "--pitch-max", "--bands",
                                            "--specific", "--range",     "--separate"};

std::array<std::int32_t, 8> eightValues(std::string_view option, const std::string& list) {
  std::array<std::int32_t, 8> values{};
  std::size_t count = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = list.find(',', start);
    if (count == values.size()) {
      throw UsageError(std::string(option) + " takes eight values separated by commas");
    }
    values[count++] = wholeValue(option, list.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (count != values.size()) {
    throw UsageError(std::string(option) + " takes eight values separated by commas, not " +
                     std::to_string(count));
  }
  return values;
}

// The import settings the options give, clamped as the window's controls clamp them.
ImportSettings importSettingsFrom(const ParsedArguments& args) {
  ImportSettings settings;
  if (args.option("--bands") && args.option("--specific")) {
    throw UsageError("--bands and --specific choose different modes; give one of them");
  }
  if (const std::string* value = args.option("--pitch-max")) {
    settings.pitchFinderMax = wholeValue("--pitch-max", *value);
  }
  if (const std::string* value = args.option("--bands")) {
    settings.bandUpperHz = eightValues("--bands", *value);
  }
  if (const std::string* value = args.option("--specific")) {
    settings.mode = FormantLocationMode::SpecificFrequencies;
    settings.specificHz = eightValues("--specific", *value);
  }
  if (const std::string* value = args.option("--range")) {
    settings.specificRangeHz = wholeValue("--range", *value);
  }
  if (const std::string* value = args.option("--separate")) {
    settings.separateBands = true;
    settings.differenceThreshold = wholeValue("--separate", *value);
  }
  settings.clampToRanges();
  return settings;
}

void expectFileAndOutput(const ParsedArguments& args, const char* command) {
  if (args.positional.size() != 2) {
    throw UsageError(std::string(command) + " takes FILE and OUT, not " +
                     std::to_string(args.positional.size()) + " arguments");
  }
}

void printMessages(std::ostream& err, const std::string& file, const ImportOutcome& outcome) {
  for (const std::string& message : outcome.messages) {
    err << "fseq-cli: " << file << ": " << message << '\n';
  }
}

int importSingle(SpectrumSource source, const char* command, CliArguments args, std::ostream& out,
                 std::ostream& err) {
  const ParsedArguments parsed = parseArguments(args, kSingleOptions, command);
  expectFileAndOutput(parsed, command);
  const ImportSettings settings = importSettingsFrom(parsed);
  const std::string* frameOption = parsed.option("--frame");
  const std::int32_t frame = frameOption ? wholeValue("--frame", *frameOption) : 1;
  const std::string& file = parsed.positional[0];

  FseqDocument document;
  UploadMixer mixer;
  if (const std::string* base = parsed.option("--base")) loadSequence(*base, document, mixer);
  document.currentFrame = std::clamp(frame, 1, document.frameCount);

  const SpectrumPoints points = readSpectrumFile(file, source);
  SpectrumImportBuffer buffer;
  const ImportOutcome outcome =
      importSpectrum(source, points, displayName(file), settings, document, buffer);
  printMessages(err, file, outcome);
  printReport(out, outcome.report);
  printReport(out, saveSequence(parsed.positional[1], document, mixer));
  return 0;
}

int importSlice(CliArguments args, std::ostream& out, std::ostream& err) {
  return importSingle(SpectrumSource::SliceLog, "import-slice", args, out, err);
}

int importAudacity(CliArguments args, std::ostream& out, std::ostream& err) {
  return importSingle(SpectrumSource::Audacity, "import-audacity", args, out, err);
}

int importMapLog(CliArguments args, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = parseArguments(args, kMapOptions, "import-map");
  expectFileAndOutput(parsed, "import-map");
  const ImportSettings settings = importSettingsFrom(parsed);
  const std::string* secondsOption = parsed.option("--seconds");
  const double seconds = secondsOption ? numberValue("--seconds", *secondsOption) : kDefaultSeconds;
  const std::string& file = parsed.positional[0];

  const MapLog log = readMapLogFile(file, seconds);
  FseqDocument document;
  UploadMixer mixer;
  SpectrumImportBuffer buffer;
  const MapImportOutcome result =
      importMap(log, displayName(file), settings, document, mixer, buffer);
  printMessages(err, file, result.outcome);
  printReport(out, result.outcome.report);
  printReport(out, saveSequence(parsed.positional[1], document, mixer));
  return 0;
}

constexpr CliCommand kCommands[] = {
    {"import-slice",
     "  import-slice FILE OUT [--frame N] [--base DOC] [SETTINGS]\n"
     "                   Fill frame N (1) of DOC (.syx or frame text; a new\n"
     "                   sequence if none) from a Tolk slice log and save OUT.\n",
     importSlice},
    {"import-audacity",
     "  import-audacity FILE OUT [--frame N] [--base DOC] [SETTINGS]\n"
     "                   The same from an Audacity spectrum export (4096 points).\n",
     importAudacity},
    {"import-map",
     "  import-map FILE OUT [--seconds S] [SETTINGS]\n"
     "                   A new 512-frame sequence from a Tolk map log, the first\n"
     "                   S (5.3) seconds spread over the frames, saved as OUT.\n"
     "                   SETTINGS, as in the Import Settings window:\n"
     "                     --pitch-max HZ        top of the pitch search (300)\n"
     "                     --bands F1,...,F8     upper ends of the eight formant bands\n"
     "                                           (300,750,1500,2300,3000,4500,5500,8000)\n"
     "                     --specific F1,...,F8  search around these frequencies instead\n"
     "                     --range R             half width of those bands (100)\n"
     "                     --separate THRESHOLD  keep only the voiced or the unvoiced\n"
     "                                           level of each formant\n",
     importMapLog},
};

}  // namespace

std::span<const CliCommand> importCommands() {
  return kCommands;
}

}  // namespace fseq
