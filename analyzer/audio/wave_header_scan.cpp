#include "analyzer/audio/wave_header_scan.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tolk {

namespace {

// A size field or chunk identifier at this offset or later lies too close to
// the end of the searched bytes.
constexpr std::size_t kWalkLimit = kWaveHeaderSearchBytes - 8;
// The format fields read from the fmt chunk's body.
constexpr std::size_t kFormatFieldBytes = 16;

using HeadBuffer = std::array<std::uint8_t, kWaveHeaderSearchBytes>;

bool idAt(const HeadBuffer& head, std::size_t pos, const char* id) {
  for (std::size_t i = 0; i < 4; ++i) {
    if (std::tolower(head[pos + i]) != id[i]) return false;
  }
  return true;
}

std::uint16_t u16At(const HeadBuffer& head, std::size_t pos) {
  return std::uint16_t(head[pos] | (head[pos + 1] << 8));
}

std::uint32_t u32At(const HeadBuffer& head, std::size_t pos) {
  return std::uint32_t(head[pos]) | (std::uint32_t(head[pos + 1]) << 8) |
         (std::uint32_t(head[pos + 2]) << 16) | (std::uint32_t(head[pos + 3]) << 24);
}

}  // namespace

std::variant<WaveFileInfo, WaveHeaderScanFailure> scanWaveHeader(std::span<const std::uint8_t> head,
                                                                 std::uint64_t fileBytes) {
  HeadBuffer buffer{};
  const std::size_t used = std::min(head.size(), buffer.size());
  std::copy_n(head.begin(), used, buffer.begin());

  std::size_t fmtPos = 0;
  while (fmtPos + 4 <= buffer.size() && !idAt(buffer, fmtPos, "fmt ")) ++fmtPos;
  if (fmtPos + 4 > buffer.size()) return WaveHeaderScanFailure::NoFmtChunk;
  if (fmtPos + 8 + kFormatFieldBytes > buffer.size()) return WaveHeaderScanFailure::WalkLeftHeader;

  std::size_t pos = fmtPos;
  do {
    if (pos + 4 >= kWalkLimit) return WaveHeaderScanFailure::WalkLeftHeader;
    const std::uint64_t next = pos + 8 + std::uint64_t(u32At(buffer, pos + 4));
    if (next >= kWalkLimit) return WaveHeaderScanFailure::WalkLeftHeader;
    pos = std::size_t(next);
  } while (!idAt(buffer, pos, "data"));

  WaveFileInfo info;
  const std::size_t body = fmtPos + 8;
  info.formatTag = u16At(buffer, body);
  info.channels = u16At(buffer, body + 2);
  info.sampleRateHz = u32At(buffer, body + 4);
  info.bitsPerSample = u16At(buffer, body + 14);
  info.dataOffset = std::uint32_t(pos + 8);
  info.fileBytes = fileBytes;
  const std::uint64_t available = fileBytes > info.dataOffset ? fileBytes - info.dataOffset : 0;
  info.dataBytes = std::uint32_t(std::min<std::uint64_t>(u32At(buffer, pos + 4), available));
  info.sourceBits = info.bitsPerSample;
  return info;
}

}  // namespace tolk
