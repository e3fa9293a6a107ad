#include "analyzer/audio/save_wave.h"

#include <fstream>
#include <vector>

#include "analyzer/audio/wave_file_writer.h"

namespace tolk {

namespace {

constexpr std::uint32_t kHighestPlainHeaderRateHz = 48000;

std::optional<WaveError> writeWhole(const std::filesystem::path& target,
                                    std::span<const std::uint8_t> header,
                                    std::span<const std::uint8_t> samples) {
  auto writer = WaveFileWriter::create(target, header);
  if (!writer.ok()) return writer.error();
  if (!writer.value().append(samples)) return WaveError{wave_messages::kCannotOpenFile};
  return writer.value().finish(header);
}

}  // namespace

std::optional<WaveError> saveAnalysedWave(const std::filesystem::path& target,
                                          const ExtensibleWaveHeader& held,
                                          std::span<const std::uint8_t> samples,
                                          int freqScaleMultiplier) {
  if (held.sampleRateHz <= kHighestPlainHeaderRateHz) {
    PlainWaveHeader header;
    header.channels = held.channels;
    header.sampleRateHz = held.sampleRateHz;
    header.bitsPerSample = held.bitsPerSample;
    header.dataBytes = std::uint32_t(samples.size());
    return writeWhole(target, header.bytes(), samples);
  }
  ExtensibleWaveHeader header = held;
  header.sampleRateHz = held.sampleRateHz * std::uint32_t(freqScaleMultiplier);
  const std::size_t frameBytes = std::size_t(held.channels) * (held.bitsPerSample / 8u);
  std::size_t dataBytes = samples.size();
  if (frameBytes >= 1 && frameBytes <= 6) dataBytes -= dataBytes % frameBytes;
  header.dataBytes = std::uint32_t(dataBytes);
  return writeWhole(target, header.bytes(), samples.first(dataBytes));
}

std::optional<WaveError> saveCapturedWave(const std::filesystem::path& capturedWave,
                                          const std::filesystem::path& target) {
  std::ifstream in(capturedWave, std::ios::binary);
  if (!in) return WaveError{wave_messages::kCannotOpenFile};
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
  if (in.bad()) return WaveError{wave_messages::kCannotOpenFile};
  auto writer = WaveFileWriter::create(target, {});
  if (!writer.ok()) return writer.error();
  if (!writer.value().append(bytes)) return WaveError{wave_messages::kCannotOpenFile};
  return writer.value().finish({});
}

std::optional<WaveError> writeWaveFile(const std::filesystem::path& target,
                                       const ExtensibleWaveHeader& header,
                                       std::span<const std::uint8_t> samples) {
  const auto bytes = header.bytes();
  return writeWhole(target, bytes, samples);
}

}  // namespace tolk
