#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "analyzer/audio/read_wave_header.h"
#include "analyzer/dsp/sample_scaling.h"

namespace tolk {

// The analysed stretch of a wave file held in memory: one block that starts
// with the 68-byte extensible wave header and continues with the sample
// bytes exactly as in the file. Playback, Save Wave and re-analysis work on it.
struct SoundSegment {
  std::vector<std::uint8_t> block;
  int channels = 1;
  int sampleRateHz = 0;  // the rate the samples are analysed at
  SampleFormat format = SampleFormat::Pcm16;
  double beginMs = 0;  // where the segment starts in the file's (analysis) time

  int frameBytes() const { return channels * bytesPerSample(format); }
  const std::uint8_t* samples() const;
  std::size_t sampleBytes() const;
  std::size_t frames() const { return sampleBytes() / frameBytes(); }
};

// Loads beginMs ... endMs (no end: to the end of the data) of the file that
// `header` describes, the times counted at sampleRateHz (the analysis rate).
// Offsets are cut down to whole frames; an end beyond the data is limited to
// it. A negative time, an end before the begin or a begin beyond the data
// gives "Improper Begin or End"; a file that cannot be read "Cannot Open File".
WaveResult<SoundSegment> loadSoundSegment(const WaveHeaderResult& header, int sampleRateHz,
                                          double beginMs, std::optional<double> endMs);

}  // namespace tolk
