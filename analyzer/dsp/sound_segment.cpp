#include "analyzer/dsp/sound_segment.h"

#include <algorithm>
#include <fstream>
#include <new>

#include "analyzer/audio/wave_headers.h"
#include "analyzer/dsp/analysis_messages.h"

namespace tolk {

const std::uint8_t* SoundSegment::samples() const {
  return block.data() + ExtensibleWaveHeader::kBytes;
}

std::size_t SoundSegment::sampleBytes() const {
  return block.size() - ExtensibleWaveHeader::kBytes;
}

WaveResult<SoundSegment> loadSoundSegment(const WaveHeaderResult& header, int sampleRateHz,
                                          double beginMs, std::optional<double> endMs) {
  const WaveFileInfo& info = header.info;
  SoundSegment segment;
  segment.channels = info.channels;
  segment.sampleRateHz = sampleRateHz;
  segment.format = info.bitsPerSample == 24 ? SampleFormat::Pcm24 : SampleFormat::Pcm16;
  segment.beginMs = beginMs;
  const auto frameBytes = std::uint64_t(segment.frameBytes());
  const double bytesPerMs = double(sampleRateHz) * double(frameBytes) / 1000;
  const std::uint64_t dataBytes = info.dataBytes - info.dataBytes % frameBytes;

  const WaveError improper{analysis_messages::kImproperBeginOrEnd};
  const double end = endMs.value_or(double(dataBytes) / bytesPerMs);
  if (beginMs < 0 || end < 0 || end < beginMs) return improper;
  auto beginBytes = std::uint64_t(beginMs * bytesPerMs);
  const double endPosition = end * bytesPerMs;
  auto endBytes = endPosition >= double(dataBytes) ? dataBytes : std::uint64_t(endPosition);
  beginBytes -= beginBytes % frameBytes;
  endBytes -= endBytes % frameBytes;
  if (beginBytes > dataBytes || endBytes < beginBytes) return improper;

  const std::uint64_t bytes = endBytes - beginBytes;
  ExtensibleWaveHeader wave;
  wave.channels = info.channels;
  wave.sampleRateHz = std::uint32_t(sampleRateHz);
  wave.bitsPerSample = info.bitsPerSample;
  wave.validBitsPerSample = info.bitsPerSample;
  wave.dataBytes = std::uint32_t(bytes);
  try {
    segment.block.resize(ExtensibleWaveHeader::kBytes + bytes);
  } catch (const std::bad_alloc&) {
    return WaveError{analysis_messages::kNotEnoughMemory};
  }
  const auto headerBytes = wave.bytes();
  std::copy(headerBytes.begin(), headerBytes.end(), segment.block.begin());

  std::ifstream file(header.soundFile, std::ios::binary);
  file.seekg(std::streamoff(info.dataOffset + beginBytes));
  file.read(reinterpret_cast<char*>(segment.block.data() + ExtensibleWaveHeader::kBytes),
            std::streamsize(bytes));
  if (!file || file.gcount() != std::streamsize(bytes)) {
    return WaveError{wave_messages::kCannotOpenFile};
  }
  return segment;
}

}  // namespace tolk
