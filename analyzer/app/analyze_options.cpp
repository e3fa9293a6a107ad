#include "analyzer/app/analyze_options.h"

#include <charconv>
#include <functional>
#include <map>

namespace tolk {

namespace {

constexpr int kSmallestWindow = 200;
constexpr int kLargestWindow = 20000;
constexpr int kLargestImageWidth = 12000;

double number(const std::string& option, const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw UsageError("option " + option + " needs a number, not '" + text + "'");
  }
  return value;
}

int integer(const std::string& option, const std::string& text, int lowest, int highest) {
  const double value = number(option, text);
  if (value != int(value) || value < lowest || value > highest) {
    throw UsageError("option " + option + " needs a whole number from " + std::to_string(lowest) +
                     " to " + std::to_string(highest) + ", not '" + text + "'");
  }
  return int(value);
}

// "A<separator>B" split at the first separator.
std::pair<std::string, std::string> pairOf(const std::string& option, const std::string& text,
                                           char separator) {
  const auto at = text.find(separator);
  if (at == std::string::npos || at == 0 || at + 1 == text.size()) {
    throw UsageError("option " + option + " needs the form A" + separator + "B, not '" + text +
                     "'");
  }
  return {text.substr(0, at), text.substr(at + 1)};
}

template <class T>
T choice(const std::string& option, const std::string& text, const std::map<std::string, T>& map) {
  const auto found = map.find(text);
  if (found != map.end()) return found->second;
  std::string names;
  for (const auto& [name, value] : map) names += (names.empty() ? "" : ", ") + name;
  throw UsageError("option " + option + " is one of " + names + ", not '" + text + "'");
}

using Handler =
    std::function<void(AnalyzeOptions&, const std::string& option, const std::string& value)>;

std::map<std::string, Handler> handlers() {
  std::map<std::string, Handler> h;
  h["--image"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    const auto format = imageFormatFor(v);
    if (!format) throw UsageError("option " + opt + " needs a .bmp or .jpg file, not '" + v + "'");
    o.image = v;
    o.imageSettings.format = *format;
  };
  h["--image-width"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.imageSettings.targetWidth = integer(opt, v, 16, kLargestImageWidth);
  };
  h["--quality"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.imageSettings.jpegQuality = integer(opt, v, 1, 100);
  };
  h["--dpi"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.imageSettings.density.unit = JpegDensity::Unit::Inches;
    o.imageSettings.density.dpi = integer(opt, v, 1, 65535);
  };
  h["--maplog"] = [](AnalyzeOptions& o, const std::string&, const std::string& v) { o.mapLog = v; };
  h["--slicelog"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    const auto [ms, file] = pairOf(opt, v, ':');
    const double endMs = number(opt, ms);
    if (endMs < 0) throw UsageError("option " + opt + " needs a time of 0 ms or more");
    o.sliceLogs.push_back({endMs, file});
  };
  h["--window"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    const auto [w, hgt] = pairOf(opt, v, 'x');
    o.windowWidth = integer(opt, w, kSmallestWindow, kLargestWindow);
    o.windowHeight = integer(opt, hgt, kSmallestWindow, kLargestWindow);
  };
  h["--display"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.request.displayMode = choice<DisplayMode>(
        opt, v, {{"scroll1", DisplayMode::Scroll1}, {"scroll2", DisplayMode::Scroll2}});
  };
  h["--scale"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.request.freqScale = choice<FrequencyScale>(opt, v,
                                                 {{"linear", FrequencyScale::Linear},
                                                  {"log", FrequencyScale::Log},
                                                  {"oct3", FrequencyScale::ThirdOctave}});
  };
  h["--low"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.request.lowBandLimitHz = integer(opt, v, 0, 10000000);
  };
  h["--high"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.request.highBandLimitHz = integer(opt, v, 1, 10000000);
  };
  h["--width"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.request.displayWidthSeconds = number(opt, v);
    if (o.request.displayWidthSeconds <= 0) throw UsageError("option " + opt + " must be above 0");
  };
  h["--begin"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.request.beginSeconds = number(opt, v);
  };
  h["--end"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.request.endSeconds = number(opt, v);
  };
  h["--fft"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    const int size = integer(opt, v, 512, 16384);
    if ((size & (size - 1)) != 0) throw UsageError("option " + opt + " needs a power of two");
    o.request.fftSize = size;
  };
  h["--resolution"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    const double hz = number(opt, v);
    if (hz <= 0) throw UsageError("option " + opt + " must be above 0");
    o.request.freqResolutionHz = float(hz);
  };
  h["--averaging"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.request.averagingTimeMs = integer(opt, v, 0, 600000);
  };
  h["--palette"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.palette =
        choice<PaletteChoice>(opt, v, {{"cb", PaletteChoice::CB}, {"bw", PaletteChoice::BW}});
  };
  h["--levels"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    const auto at = v.find(':', 1);
    if (at == std::string::npos) throw UsageError("option " + opt + " needs the form MIN:MAX");
    o.request.levelMin = integer(opt, v.substr(0, at), -60, 120);
    o.request.levelMax = integer(opt, v.substr(at + 1), -60, 120);
    if (o.request.levelMax <= o.request.levelMin) {
      throw UsageError("option " + opt + " needs MIN below MAX");
    }
  };
  h["--channel"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.request.channelSelect = choice<ChannelSelect>(opt, v,
                                                    {{"left", ChannelSelect::Left},
                                                     {"right", ChannelSelect::Right},
                                                     {"dual", ChannelSelect::Dual}});
  };
  h["--gain"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.request.gainAttenuationDb = number(opt, v);
  };
  h["--font"] = [](AnalyzeOptions& o, const std::string& opt, const std::string& v) {
    o.imageSettings.labelFont = choice<LabelFont>(opt, v,
                                                  {{"arial", LabelFont::Arial},
                                                   {"times", LabelFont::Times},
                                                   {"courier", LabelFont::Courier}});
  };
  return h;
}

}  // namespace

AnalyzeOptions parseAnalyzeOptions(const std::vector<std::string>& args) {
  if (args.empty() || args[0].rfind("--", 0) == 0) throw UsageError("analyze needs a wave file");
  AnalyzeOptions options;
  options.request.file = args[0];
  const auto table = handlers();
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--time-origin-zero") {
      options.timeOriginZero = true;
      continue;
    }
    const auto handler = table.find(option);
    if (handler == table.end()) throw UsageError("unknown option '" + option + "'");
    if (i + 1 >= args.size()) throw UsageError("option " + option + " needs a value");
    handler->second(options, option, args[++i]);
  }
  return options;
}

}  // namespace tolk
