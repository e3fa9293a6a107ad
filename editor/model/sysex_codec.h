#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "editor/model/fseq_document.h"
#include "editor/model/report.h"
#include "editor/model/upload_mixer.h"

// The FS1R Fseq bulk dump: one System Exclusive message holding the fixed
// settings and the frames of a sequence. A ".syx" file is the bare message.
namespace fseq {

inline constexpr std::size_t kHeaderBlockSize = 41;
inline constexpr std::size_t kFrameSize = 50;
inline constexpr std::size_t kMaxFrameBlockSize = kFrameSize * kMaxFrames + 2;

// The byte image of one dump: the 41-byte header, then the frame block (the
// frames, the checksum and F7).
struct DumpBuffer {
  std::array<std::uint8_t, kHeaderBlockSize> headerBlock{};
  std::vector<std::uint8_t> frameBlock;

  std::vector<std::uint8_t> bytes() const;
};

// The Yamaha checksum over bytes 4 … 40 of the header and the frame bytes:
// the value that makes the low seven bits of the sum zero.
std::uint8_t dumpChecksum(std::span<const std::uint8_t> headerBlock,
                          std::span<const std::uint8_t> frameBytes);

// Builds the dump of the document's frameCount frames, with the mixer's level
// scaling applied; adds " " and "New CheckSum= XX hex" to the report.
DumpBuffer LoadBuffers(const FseqDocument& document, const UploadMixer& mixer, Report& report);

// Reads a dump into the document: fixed settings (clamped to their controls'
// ranges), frame count and frames; currentFrame becomes 1, importedFrame 0 and
// the mixer returns to 100 %. Returns the report lines, the frame bytes in
// colour. A dump that is damaged but readable is read with a "Warning: " line
// for each fault; content shorter than a header throws FormatError and leaves
// everything unchanged.
Report loadDump(std::span<const std::uint8_t> file, FseqDocument& document, UploadMixer& mixer);

}  // namespace fseq
