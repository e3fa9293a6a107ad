#include "analyzer/audio/wave_conversion.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <vector>

#include "analyzer/audio/wave_file_writer.h"
#include "analyzer/audio/wave_headers.h"
#include "analyzer/audio/wave_source.h"
#include "analyzer/dsp/rounding.h"

namespace tolk {

namespace {

// Source bytes converted per step; the data chunk is streamed, never held whole.
constexpr std::size_t kChunkBytes = 1 << 16;

struct Conversion {
  std::uint16_t sourceBytesPerSample;
  std::uint16_t targetBits;
  // Converts `count` source samples into target bytes.
  void (*convert)(const std::uint8_t* in, std::size_t count, std::uint8_t* out);
};

void eightToSixteen(const std::uint8_t* in, std::size_t count, std::uint8_t* out) {
  for (std::size_t i = 0; i < count; ++i) {
    const auto sample = std::int16_t((int(in[i]) - 128) * 256);
    out[2 * i] = std::uint8_t(sample & 0xFF);
    out[2 * i + 1] = std::uint8_t((sample >> 8) & 0xFF);
  }
}

void floatToTwentyFour(const std::uint8_t* in, std::size_t count, std::uint8_t* out) {
  constexpr int kMax = (1 << 23) - 1;
  for (std::size_t i = 0; i < count; ++i) {
    static_assert(std::numeric_limits<float>::is_iec559);
    std::uint32_t bits = std::uint32_t(in[4 * i]) | (std::uint32_t(in[4 * i + 1]) << 8) |
                         (std::uint32_t(in[4 * i + 2]) << 16) |
                         (std::uint32_t(in[4 * i + 3]) << 24);
    float x;
    std::memcpy(&x, &bits, sizeof x);
    const int sample = std::clamp(truncToInt(double(x) * 8388608.0), -kMax - 1, kMax);
    out[3 * i] = std::uint8_t(sample & 0xFF);
    out[3 * i + 1] = std::uint8_t((sample >> 8) & 0xFF);
    out[3 * i + 2] = std::uint8_t((sample >> 16) & 0xFF);
  }
}

WaveResult<std::filesystem::path> convert(const std::filesystem::path& source,
                                          const std::filesystem::path& scratchFolder,
                                          const Conversion& conversion) {
  const WaveError cannotRead{wave_messages::kCannotReadWave};
  const WaveHeaderRead header = readWaveFileHeader(source);
  const auto* info = std::get_if<WaveFileInfo>(&header);
  if (!info) return cannotRead;

  const std::uint64_t samples = info->dataBytes / conversion.sourceBytesPerSample;
  const std::uint64_t targetBytesPerSample = conversion.targetBits / 8u;
  const std::uint64_t targetDataBytes = samples * targetBytesPerSample;
  if (targetDataBytes + 60 > std::numeric_limits<std::uint32_t>::max()) return cannotRead;

  ExtensibleWaveHeader target;
  target.channels = info->channels;
  target.sampleRateHz = info->sampleRateHz;
  target.bitsPerSample = conversion.targetBits;
  target.validBitsPerSample = conversion.targetBits;
  target.dataBytes = std::uint32_t(targetDataBytes);

  std::ifstream in(source, std::ios::binary);
  if (!in.seekg(info->dataOffset)) return cannotRead;
  const std::filesystem::path modWav = scratchFolder / kConvertedWaveName;
  auto writer = WaveFileWriter::create(modWav, target.bytes());
  if (!writer.ok()) return writer.error();

  const std::size_t chunkSamples = kChunkBytes / conversion.sourceBytesPerSample;
  std::vector<std::uint8_t> inBytes(chunkSamples * conversion.sourceBytesPerSample);
  std::vector<std::uint8_t> outBytes(chunkSamples * targetBytesPerSample);
  for (std::uint64_t done = 0; done < samples;) {
    const std::size_t count = std::size_t(std::min<std::uint64_t>(chunkSamples, samples - done));
    const std::size_t bytes = count * conversion.sourceBytesPerSample;
    if (!in.read(reinterpret_cast<char*>(inBytes.data()), std::streamsize(bytes))) {
      return cannotRead;
    }
    conversion.convert(inBytes.data(), count, outBytes.data());
    if (!writer.value().append({outBytes.data(), std::size_t(count * targetBytesPerSample)})) {
      return cannotRead;
    }
    done += count;
  }
  if (auto error = writer.value().finish(target.bytes())) return *error;
  return modWav;
}

}  // namespace

WaveResult<std::filesystem::path> convertEightBitWave(const std::filesystem::path& source,
                                                      const std::filesystem::path& scratchFolder) {
  return convert(source, scratchFolder, Conversion{1, 16, eightToSixteen});
}

WaveResult<std::filesystem::path> convertFloatWave(const std::filesystem::path& source,
                                                   const std::filesystem::path& scratchFolder) {
  return convert(source, scratchFolder, Conversion{4, 24, floatToTwentyFour});
}

}  // namespace tolk
