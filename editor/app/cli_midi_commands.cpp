#include "editor/app/cli_midi_commands.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "editor/midi/dump_upload.h"
#include "editor/midi/midi_error.h"
#include "editor/midi/midi_input.h"
#include "editor/midi/rtmidi_system.h"

namespace fseq {

namespace {

constexpr const char* kClientName = "fseq-cli";

std::optional<int> numberIn(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

void listDevices(std::ostream& out, const char* heading, const TMidiDevices& devices) {
  out << heading << '\n';
  if (devices.Count() == 0) out << "  (none)\n";
  for (int i = 0; i < devices.Count(); ++i) out << "  " << i << "  " << devices.Name(i) << '\n';
}

// An index, else the exact name, else the one name that contains the text.
int outputIndex(const TMidiOutput& output, const std::string& wanted) {
  if (const auto index = numberIn(wanted)) return *index;
  const auto& names = output.Names();
  const auto exact = std::find(names.begin(), names.end(), wanted);
  if (exact != names.end()) return static_cast<int>(exact - names.begin());
  std::vector<int> matches;
  for (int i = 0; i < output.Count(); ++i) {
    if (names[static_cast<std::size_t>(i)].find(wanted) != std::string::npos) matches.push_back(i);
  }
  if (matches.size() == 1) return matches.front();
  if (matches.empty())
    throw MidiError("no output device is called \"" + wanted + "\" (fseq-cli ports lists them)");
  std::string list;
  for (int i : matches) list += "\n  " + std::to_string(i) + "  " + output.Name(i);
  throw MidiError("\"" + wanted +
                  "\" fits several output devices; name one exactly or give its index:" + list);
}

struct UploadOptions {
  std::string file;
  std::string out;
  int pauseMs = kUploadPauseMs;
};

UploadOptions uploadOptions(CliArguments args) {
  UploadOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--out" || arg == "--pause-ms") {
      if (i + 1 == args.size()) throw UsageError(arg + " needs a value");
      const std::string& value = args[++i];
      if (arg == "--out") {
        options.out = value;
      } else if (const auto ms = numberIn(value)) {
        options.pauseMs = *ms;
      } else {
        throw UsageError("--pause-ms takes a number of milliseconds, not '" + value + "'");
      }
    } else if (arg.starts_with("--")) {
      throw UsageError("upload has no option '" + arg + "'");
    } else if (options.file.empty()) {
      options.file = arg;
    } else {
      throw UsageError("upload takes one file, not '" + options.file + "' and '" + arg + "'");
    }
  }
  if (options.file.empty()) throw UsageError("upload needs a file");
  if (options.out.empty()) throw UsageError("upload needs --out INDEX|NAME");
  return options;
}

// MIDI errors end the command with their message and exit status 1.
template <typename Action>
int reportingMidiErrors(std::ostream& err, Action action) {
  try {
    action();
    return 0;
  } catch (const MidiError& error) {
    err << "fseq-cli: " << error.what() << '\n';
    return 1;
  }
}

int ports(CliArguments args, std::ostream& out, std::ostream& err) {
  expectArgumentCount(args, 0, "ports");
  return reportingMidiErrors(err, [&] {
    const auto system = openDefaultMidiSystem(kClientName);
    listDevices(out, "Input devices:", TMidiInput(*system));
    listDevices(out, "Output devices:", TMidiOutput(*system));
  });
}

int upload(CliArguments args, std::ostream& out, std::ostream& err) {
  const UploadOptions options = uploadOptions(args);
  FseqDocument document;
  UploadMixer mixer;
  loadSequence(options.file, document, mixer);
  return reportingMidiErrors(err, [&] {
    const auto system = openDefaultMidiSystem(kClientName);
    TMidiOutput output(*system);
    const int index = outputIndex(output, options.out);
    output.Open(index);
    Report report;
    const DumpBuffer dump = LoadBuffers(document, mixer, report);
    printReport(out, report);
    SystemClock clock;
    const int outputs[] = {index};
    UploadDump(
        output, outputs, dump, clock, [&](const std::string& line) { out << line << std::endl; },
        options.pauseMs);
  });
}

constexpr CliCommand kCommands[] = {
    {"ports",
     "  ports            List the MIDI input and output devices with their indexes,\n"
     "                   as the upload window lists them.\n",
     ports},
    {"upload",
     "  upload FILE --out INDEX|NAME [--pause-ms MS]\n"
     "                   Send FILE (.syx or frame text) to an FS1R as the upload\n"
     "                   window does: the bulk dump in 512-byte pieces, MS (150)\n"
     "                   milliseconds apart, to the output device with that index\n"
     "                   or name (a unique part of a name will do). Prints the new\n"
     "                   checksum and the log lines. FSEQ_MIDI_API=alsa|jack picks\n"
     "                   the MIDI system; by default ALSA, else JACK.\n",
     upload},
};

}  // namespace

std::span<const CliCommand> midiCommands() {
  return kCommands;
}

}  // namespace fseq
