#include "analyzer/app/tolk_cli.h"

#include <cstdio>

#include "analyzer/app/analyze_command.h"
#include "analyzer/app/analyze_options.h"
#include "analyzer/app/cli_errors.h"
#include "analyzer/audio/read_wave_header.h"

namespace tolk {

namespace {

constexpr const char* kProgram = "tolk-cli";

constexpr const char* kUsage = R"(Usage: tolk-cli COMMAND [ARGUMENTS]

Analyses wave files as Tolk's "Analyze File" does, without a window.

Commands:
  info FILE.wav       What the wave header says, as key: value lines.
  analyze FILE.wav [OPTIONS]
                      Analyses the file into the outputs asked for:
    --image OUT.bmp|OUT.jpg   the whole image with its axes
    --image-width PX          scaled to this width (default: the image's own)
    --quality Q               JPEG quality 1 ... 100 (default 90)
    --dpi N                   JPEG density in dots per inch
    --maplog OUT.txt          the map log, one row per column
    --slicelog MS:OUT.txt     the slice log of the spectrum ending MS ms into
                              the segment (repeatable)
  Analysis options:
    --window WxH              window client size (default 800x600)
    --display scroll1|scroll2 (default scroll2)
    --scale linear|log|oct3   (default linear)
    --low HZ --high HZ        band (default 0 and 6000, limited by the rate)
    --width SECONDS           display width (default 10)
    --begin S --end S         the segment (default: the whole file)
    --fft N --resolution HZ   (default: the automatic choice)
    --averaging MS            averaging time (default 0)
    --palette cb|bw           (default cb)
    --levels MIN:MAX          colour scale in internal dB (default 0:90)
    --channel left|right|dual stereo channels (default dual)
    --gain DB                 input attenuation (default 0)
    --font arial|times|courier label font (default times)
    --time-origin-zero        time axis starts at 0
  --help              Show this help.

Exit status: 0 on success, 1 when the file or the operation is refused,
2 on wrong usage.
)";

std::string formatName(std::uint16_t tag) {
  switch (tag) {
    case kWaveFormatPcm:
      return "PCM";
    case kWaveFormatFloat:
      return "IEEE float";
    case kWaveFormatExtensible:
      return "extensible";
  }
  return std::to_string(tag);
}

void runInfo(const std::vector<std::string>& args, const std::filesystem::path& scratchFolder,
             std::ostream& out) {
  if (args.size() != 1) throw UsageError("info needs exactly one wave file");
  auto header = readWaveHeader(args[0], WaveReader::AnalyzeFile, scratchFolder);
  if (!header.ok()) throw FileFailure(args[0], header.error().message);
  const WaveFileInfo& info = header.value().info;
  const double bytesPerSecond = double(info.sampleRateHz) * info.channels * info.bitsPerSample / 8;
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.3f", info.dataBytes / bytesPerSecond);
  out << "format: " << formatName(info.formatTag) << '\n'
      << "channels: " << info.channels << '\n'
      << "rate: " << info.sampleRateHz << '\n'
      << "bits: " << info.bitsPerSample << '\n'
      << "source bits: " << info.sourceBits << '\n'
      << "data bytes: " << info.dataBytes << '\n'
      << "seconds: " << seconds << '\n';
}

}  // namespace

int runTolkCli(const std::vector<std::string>& args, const std::filesystem::path& scratchFolder,
               std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw UsageError("no command given");
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "--help" || args[0] == "-h") {
      out << kUsage;
    } else if (args[0] == "info") {
      runInfo(rest, scratchFolder, out);
    } else if (args[0] == "analyze") {
      runAnalyzeCommand(parseAnalyzeOptions(rest), scratchFolder, out);
    } else {
      throw UsageError("unknown command '" + args[0] + "'");
    }
    return 0;
  } catch (const UsageError& error) {
    err << kProgram << ": " << error.what() << "\nTry '" << kProgram << " --help'.\n";
    return 2;
  } catch (const FileFailure& error) {
    err << kProgram << ": " << error.file().string() << ": " << error.what() << '\n';
    return 1;
  }
}

}  // namespace tolk
