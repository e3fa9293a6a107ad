#include "analyzer/dsp/time_slice.h"

#include <algorithm>

#include "analyzer/dsp/analysis_messages.h"
#include "analyzer/dsp/rounding.h"

namespace tolk {

namespace {

constexpr std::size_t kAlignmentBytes = 12;

std::size_t alignDown(double bytes) {
  if (bytes <= 0) return 0;
  const auto whole = std::size_t(roundToInt(bytes));
  return whole - whole % kAlignmentBytes;
}

}  // namespace

WaveResult<TimeSliceSpan> timeSliceSpan(const FileAnalysis& analysis, double endMs) {
  const SoundSegment& sound = analysis.sound;
  const double bytesPerSecond = double(sound.sampleRateHz) * sound.frameBytes();
  TimeSliceSpan span;
  span.endByte = alignDown(endMs * bytesPerSecond / 1000);
  const double averagingBytes = bytesPerSecond * analysis.averagingTimeMs / 1000;
  span.startByte = alignDown(double(span.endByte) - averagingBytes);
  if (span.startByte == span.endByte) {
    span.startByte = span.endByte > bytesPerSecond ? span.endByte - std::size_t(bytesPerSecond) : 0;
  }
  span.columns = std::max(1, roundToInt(double(span.endByte - span.startByte) * 1000 /
                                        (bytesPerSecond * analysis.grid.msPerColumn)));
  const std::size_t blockBytes = std::size_t(analysis.resolution.fftSize) * sound.frameBytes();
  if (endMs < 0 || span.endByte + blockBytes >= sound.sampleBytes() ||
      sound.sampleBytes() < blockBytes) {
    return WaveError{analysis_messages::kSliceBeyondSegment};
  }
  return span;
}

WaveResult<TimeSliceSpectrum> computeTimeSlice(const FileAnalysis& analysis, double endMs,
                                               int points) {
  if (analysis.dual()) return WaveError{analysis_messages::kSliceNotForDual};
  auto span = timeSliceSpan(analysis, endMs);
  if (!span.ok()) return span.error();
  const TimeSliceSpan& s = span.value();
  const SoundSegment& sound = analysis.sound;

  // The averaging spans exactly the slice's columns, so the result is their
  // plain mean whatever the averaging time (a second of columns without one).
  const double spanMs = s.columns * analysis.grid.msPerColumn;
  auto pipeline = ColumnPipeline::create(analysis.columnSettings(points, spanMs));
  if (!pipeline) return WaveError{analysis_messages::kNotEnoughMemory};

  const std::size_t frameBytes = std::size_t(sound.frameBytes());
  const std::size_t firstFrame = s.startByte / frameBytes;
  const std::size_t lastStart = sound.frames() - std::size_t(analysis.resolution.fftSize);
  ColumnInput input;
  input.format = sound.format;
  input.gainAttenuationDb = analysis.gainAttenuationDb;
  TimeSliceSpectrum slice;
  for (int k = 0; k < s.columns; ++k) {
    const std::size_t start = std::min(firstFrame + analysis.grid.columnStartFrame(k), lastStart);
    input.frames = sound.samples() + start * frameBytes;
    const auto& result = pipeline->process(input);
    slice.pointLevels.clear();
    slice.totalLevelDb.clear();
    for (const ChannelColumn& channel : result) {
      slice.pointLevels.push_back(channel.rowLevels);
      slice.totalLevelDb.push_back(channel.totalLevelDb);
    }
  }
  slice.columns = s.columns;
  slice.eventMs = sound.beginMs + endMs;
  return slice;
}

}  // namespace tolk
