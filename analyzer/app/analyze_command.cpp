#include "analyzer/app/analyze_command.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "analyzer/display/display_palette.h"
#include "analyzer/display/time_frequency_image.h"
#include "analyzer/dsp/analysis_messages.h"
#include "analyzer/dsp/rounding.h"
#include "analyzer/dsp/time_slice.h"
#include "analyzer/export/image_composition.h"
#include "analyzer/logs/map_log.h"
#include "analyzer/logs/slice_log.h"

namespace tolk {

namespace {

constexpr const char* kLogNotAvailable = "Log Not Available With Expanded Frequency Scale";
// The log scales need two rows to span the band.
constexpr int kRowsWithoutImage = 2;

void check(const std::optional<WaveError>& error, const std::filesystem::path& file) {
  if (error) throw FileFailure(file, error->message);
}

std::string fullPath(const std::filesystem::path& file) {
  return std::filesystem::absolute(file).lexically_normal().string();
}

LogSource logSource(const AnalyzeOptions& options, const FileAnalysis& a) {
  LogSource source;
  source.soundFilePath = fullPath(options.request.file);
  source.sampleRateHz = a.rate.sampleRateHz;
  source.fftSize = a.resolution.fftSize;
  source.lowBandLimitHz = a.lowBandLimit;
  source.highBandLimitHz = a.highBandLimit;
  return source;
}

std::unique_ptr<MapLogWriter> openMapLog(const AnalyzeOptions& options, const FileAnalysis& a) {
  if (!options.mapLog) return nullptr;
  if (a.rate.ultrasound()) throw FileFailure(*options.mapLog, kLogNotAvailable);
  MapLogHeader header;
  header.source = logSource(options, a);
  header.sampleStartMs = int(a.sound.beginMs);
  header.msPerColumn = a.grid.msPerColumn;
  // A Dual view logs the left channel.
  auto writer = MapLogWriter::create(*options.mapLog, header, a.shownChannel());
  if (!writer.ok()) throw FileFailure(*options.mapLog, writer.error().message);
  return std::make_unique<MapLogWriter>(std::move(writer.value()));
}

AxesContext axesFor(const AnalyzeOptions& options, const FileAnalysis& a,
                    const WindowGeometry& geometry) {
  AxesContext axes;
  axes.layout = a.layout;
  axes.ch = geometry.ch;
  axes.cw = geometry.cw;
  axes.fontHeight = geometry.fontHeight;
  axes.displayMode = a.displayMode;
  axes.freqScale = a.freqScale;
  axes.msPerColumn = a.grid.msPerColumn;
  axes.displayStartMs = options.timeOriginZero ? 0 : a.sound.beginMs;
  axes.multiplier = a.rate.multiplier;
  axes.timeExpanded = a.rate.ultrasound();
  axes.lowBandLimit = a.lowBandLimit;
  axes.highBandLimit = a.highBandLimit;
  axes.dual = a.dual();
  return axes;
}

void writeSliceLogs(const AnalyzeOptions& options, const FileAnalysis& a, std::ostream& out) {
  for (const SliceRequest& slice : options.sliceLogs) {
    if (a.rate.ultrasound()) throw FileFailure(slice.file, kLogNotAvailable);
    auto spectrum = computeTimeSlice(a, slice.endMs, a.layout.scopePoints);
    if (!spectrum.ok()) throw FileFailure(slice.file, spectrum.error().message);
    const int channel = a.shownChannel();
    SliceLogContent content;
    content.source = logSource(options, a);
    content.scale = a.freqScale;
    content.totalLevelDb = roundToInt(spectrum.value().totalLevelDb[channel]);
    content.eventTimeMs = int(spectrum.value().eventMs);
    content.scopeLevels = spectrum.value().pointLevels[channel];
    check(writeSliceLog(slice.file, content), slice.file);
    out << "slice log: " << slice.file.string() << " (" << spectrum.value().columns
        << " columns before " << content.eventTimeMs << " ms)\n";
  }
}

void printAnalysis(const FileAnalysis& a, std::ostream& out) {
  char line[160];
  std::snprintf(line, sizeof line,
                "analysed: %d Hz x %d, %d columns of %.2f ms, %d rows, FFT %d, resolution %.1f Hz "
                "(%d tenths), band %d to %d Hz\n",
                a.rate.sampleRateHz, a.rate.multiplier, a.grid.columnCount, a.grid.msPerColumn,
                a.grid.rowCount, a.resolution.fftSize, double(a.resolution.freqResolutionHz),
                a.resolution.resolutionTenths, a.lowBandLimit * a.rate.multiplier,
                a.highBandLimit * a.rate.multiplier);
  out << line;
}

}  // namespace

void runAnalyzeCommand(const AnalyzeOptions& options, const std::filesystem::path& scratchFolder,
                       std::ostream& out) {
  const WindowGeometry geometry = layoutWindow(options.windowWidth, options.windowHeight);
  FileAnalysisRequest request = options.request;
  request.scratchFolder = scratchFolder;
  auto prepared = prepareFileAnalysis(request, geometry.imageLayout());
  if (!prepared.ok()) throw FileFailure(request.file, prepared.error().message);
  const FileAnalysis& a = prepared.value();
  if (a.rate.ultrasound()) out << analysis_messages::kUltrasoundWarning << '\n';
  printAnalysis(a, out);

  std::unique_ptr<MapLogWriter> mapLog = openMapLog(options, a);
  const ColorScale colors = loadPalette(options.palette, cbColorScale());
  const DisplayPalette palette(colors);
  std::unique_ptr<TimeFrequencyImage> image;
  if (options.image) image = std::make_unique<TimeFrequencyImage>(a, palette);

  std::vector<ColumnSink*> sinks;
  if (mapLog) sinks.push_back(mapLog.get());
  if (image) sinks.push_back(image.get());
  if (!sinks.empty()) {
    // Without an image the rows are not looked at: the smallest layout will do.
    const int rows = image ? a.grid.rowCount : kRowsWithoutImage;
    const auto traces = runAnalyzeFile(a.sound, a.grid, a.columnSettings(rows, a.averagingTimeMs),
                                       a.gainAttenuationDb, a.levelMin, sinks);
    if (!traces) throw FileFailure(request.file, analysis_messages::kNotEnoughMemory);
  }
  if (mapLog) {
    check(mapLog->finish(), *options.mapLog);
    out << "map log: " << options.mapLog->string() << " (" << a.grid.columnCount << " rows)\n";
  }
  if (image) {
    const QImage source = composeEntireImage(*image, a);
    check(saveAnalysisImage(*options.image, source, axesFor(options, a, geometry), colors,
                            options.imageSettings),
          *options.image);
    const int width =
        options.imageSettings.targetWidth > 0 ? options.imageSettings.targetWidth : source.width();
    out << "image: " << options.image->string() << " (" << width << " pixels wide)\n";
  }
  writeSliceLogs(options, a, out);
}

}  // namespace tolk
