#include "analyzer/audio/read_wave_header.h"

#include <optional>

#include "analyzer/audio/wave_conversion.h"
#include "analyzer/audio/wave_source.h"

namespace tolk {

namespace {

constexpr std::uint32_t kHighestScanRateHz = 96000;
constexpr std::uint16_t kWidestIntegerBits = 24;

WaveError headerError(WaveReader reader, const WaveHeaderRead& failure) {
  namespace m = wave_messages;
  const bool cannotOpen = std::holds_alternative<WaveSourceFailure>(failure);
  switch (reader) {
    case WaveReader::ScanFile:
      return {cannotOpen ? m::kCannotOpenFile : m::kNotPcmWave};
    case WaveReader::AnalyzeFile:
      return {cannotOpen ? m::kCannotOpenFile : m::kUnsupportedFormat};
    case WaveReader::CalibrationTone:
      if (cannotOpen) return {m::kRecordingNotAvailable, m::kCalibrationCaption};
      if (std::get<WaveHeaderScanFailure>(failure) == WaveHeaderScanFailure::NoFmtChunk) {
        return {m::kMayNotBePcmWave, m::kCalibrationCaption};
      }
      return {m::kMayNotBePcmWave};
  }
  return {m::kUnsupportedFormat};
}

enum class SampleHandling { Analyse, ConvertEightBit, ConvertFloat };

// The format checks of the file analysis readers, in the order of the
// playback reader; gives the error of the first that fails.
std::optional<WaveError> checkFormat(const WaveFileInfo& info, WaveReader reader,
                                     SampleHandling& handling) {
  const WaveError unsupported{wave_messages::kUnsupportedFormat};
  const auto tag = info.formatTag;
  if (tag != kWaveFormatPcm && tag != kWaveFormatFloat && tag != kWaveFormatExtensible) {
    return unsupported;
  }
  if (reader == WaveReader::ScanFile && info.sampleRateHz > kHighestScanRateHz) {
    return WaveError{wave_messages::kRateAbove96k};
  }
  // No rate or no channel at all cannot be analysed either.
  if (info.sampleRateHz == 0 || info.channels == 0 || info.channels > 2) return unsupported;
  if (tag == kWaveFormatFloat) {
    if (info.bitsPerSample != 32) return unsupported;
    handling = SampleHandling::ConvertFloat;
    return std::nullopt;
  }
  if (info.bitsPerSample > kWidestIntegerBits) return unsupported;
  switch (info.bitsPerSample) {
    case 8:
      handling = SampleHandling::ConvertEightBit;
      return std::nullopt;
    case 16:
    case 24:
      handling = SampleHandling::Analyse;
      return std::nullopt;
    default:
      return unsupported;
  }
}

}  // namespace

WaveResult<WaveHeaderResult> readWaveHeader(const std::filesystem::path& file, WaveReader reader,
                                            const std::filesystem::path& scratchFolder) {
  const WaveHeaderRead header = readWaveFileHeader(file);
  const auto* info = std::get_if<WaveFileInfo>(&header);
  if (!info) return headerError(reader, header);
  if (reader == WaveReader::CalibrationTone) return WaveHeaderResult{*info, file};

  SampleHandling handling = SampleHandling::Analyse;
  if (auto error = checkFormat(*info, reader, handling)) return *error;
  if (handling == SampleHandling::Analyse) return WaveHeaderResult{*info, file};

  const bool eightBit = handling == SampleHandling::ConvertEightBit;
  auto converted =
      eightBit ? convertEightBitWave(file, scratchFolder) : convertFloatWave(file, scratchFolder);
  if (!converted.ok()) return WaveError{wave_messages::kCannotReadWave};
  // The converted file is 16- or 24-bit PCM and passes the checks.
  auto result = readWaveHeader(converted.value(), reader, scratchFolder);
  if (result.ok()) result.value().info.sourceBits = eightBit ? 8 : 32;
  return result;
}

}  // namespace tolk
