#include "editor/model/sysex_codec.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "editor/model/errors.h"
#include "editor/model/rounding.h"

namespace fseq {

namespace {

constexpr std::size_t kNameOffset = 9;
constexpr std::size_t kNameLength = 8;
constexpr std::size_t kChecksumFrom = 4;  // the checksum covers the header from here on
constexpr std::uint8_t kSysExStart = 0xF0;
constexpr std::uint8_t kSysExEnd = 0xF7;
constexpr std::uint8_t kYamaha = 0x43;
constexpr std::uint8_t kFs1r = 0x5E;
constexpr std::uint8_t kMaxDataByte = 0x7F;
constexpr std::uint8_t kLevelOffset = 127;  // dumps store 127 − level: 0 loudest

// Offsets of the frame's blocks inside the 50 dump bytes of a frame.
constexpr std::size_t kPitchBytes = 0;
constexpr std::size_t kVoicedHighBytes = 2;
constexpr std::size_t kVoicedLowBytes = 10;
constexpr std::size_t kVoicedLevelBytes = 18;
constexpr std::size_t kUnvoicedHighBytes = 26;
constexpr std::size_t kUnvoicedLowBytes = 34;
constexpr std::size_t kUnvoicedLevelBytes = 42;

std::string hexByte(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", value);
  return text;
}

std::string hexBytes(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (std::uint8_t byte : bytes) text += hexByte(byte) + " ";
  return text;
}

std::uint8_t highOf(std::int32_t value) {
  return static_cast<std::uint8_t>((value / 128) & 0x7F);
}
std::uint8_t lowOf(std::int32_t value) {
  return static_cast<std::uint8_t>(value % 128);
}

// The first eight characters of the name; characters a MIDI data byte cannot
// carry become '?', and a shorter name is padded with NUL.
std::array<std::uint8_t, kNameLength> nameBytes(const std::string& utf8Name) {
  std::array<std::uint8_t, kNameLength> bytes{};
  std::size_t count = 0;
  for (std::size_t i = 0; i < utf8Name.size() && count < kNameLength; ++i) {
    const auto byte = static_cast<std::uint8_t>(utf8Name[i]);
    if ((byte & 0xC0) == 0x80) continue;  // the rest of a multi-byte character
    bytes[count++] = (byte >= 0x20 && byte < kMaxDataByte) ? byte : '?';
  }
  return bytes;
}

std::string nameFromBytes(std::span<const std::uint8_t> bytes) {
  std::string name;
  for (std::uint8_t byte : bytes) {
    if (byte == 0) break;
    name += (byte >= 0x20 && byte < kMaxDataByte) ? static_cast<char>(byte) : '?';
  }
  return name;
}

std::uint8_t levelByte(std::int32_t level, std::int32_t percent) {
  const std::int64_t scaled =
      roundHalfEven(static_cast<double>(std::int64_t{level} * percent) / 100);
  return static_cast<std::uint8_t>(
      std::clamp<std::int64_t>(kLevelOffset - scaled, 0, kMaxDataByte));
}

void encodeFrame(const FseqFrame& frame, const UploadMixer& mixer, std::uint8_t* out) {
  const DumpFreqBytes pitch = FS1RToFseq(frame.pitch().coarse, frame.pitch().fine);
  out[kPitchBytes] = pitch.high;
  out[kPitchBytes + 1] = pitch.low;
  for (int j = 0; j < kFormantCount; ++j) {
    const DumpFreqBytes voiced = FS1RToFseq(frame.voiced(j).coarse, frame.voiced(j).fine);
    const DumpFreqBytes unvoiced = FS1RToFseq(frame.unvoiced(j).coarse, frame.unvoiced(j).fine);
    out[kVoicedHighBytes + j] = voiced.high;
    out[kVoicedLowBytes + j] = voiced.low;
    out[kVoicedLevelBytes + j] = levelByte(frame.voicedLevel(j), mixer.voicedPercent[j]);
    out[kUnvoicedHighBytes + j] = unvoiced.high;
    out[kUnvoicedLowBytes + j] = unvoiced.low;
    out[kUnvoicedLevelBytes + j] = levelByte(frame.unvoicedLevel(j), mixer.unvoicedPercent);
  }
}

FseqFrame decodeFrame(const std::uint8_t* in) {
  FseqFrame frame;
  frame.setPitch(FseqToFS1R(in[kPitchBytes], in[kPitchBytes + 1]));
  for (int j = 0; j < kFormantCount; ++j) {
    frame.setVoiced(j, FseqToFS1R(in[kVoicedHighBytes + j], in[kVoicedLowBytes + j]));
    frame.voicedLevel(j) = kLevelOffset - in[kVoicedLevelBytes + j];
    frame.setUnvoiced(j, FseqToFS1R(in[kUnvoicedHighBytes + j], in[kUnvoicedLowBytes + j]));
    frame.unvoicedLevel(j) = kLevelOffset - in[kUnvoicedLevelBytes + j];
  }
  return frame;
}

// A run of bytes as "XX " groups in one colour, appended to a report line.
void appendBytes(ReportLine& line, const std::uint8_t* bytes, std::size_t count,
                 ReportColor color) {
  const std::size_t start = line.text.size();
  line.text += hexBytes({bytes, count});
  if (color != ReportColor::Black) line.spans.push_back({start, line.text.size() - start, color});
}

// A frame's bytes as the report shows them: pitch red, high bytes black, low
// bytes blue and levels green; voiced on the first line, unvoiced on the second.
void reportFrameBytes(Report& report, const std::uint8_t* frame) {
  ReportLine voiced;
  appendBytes(voiced, frame + kPitchBytes, 2, ReportColor::Red);
  appendBytes(voiced, frame + kVoicedHighBytes, kFormantCount, ReportColor::Black);
  appendBytes(voiced, frame + kVoicedLowBytes, kFormantCount, ReportColor::Blue);
  appendBytes(voiced, frame + kVoicedLevelBytes, kFormantCount, ReportColor::Green);
  ReportLine unvoiced;
  appendBytes(unvoiced, frame + kUnvoicedHighBytes, kFormantCount, ReportColor::Black);
  appendBytes(unvoiced, frame + kUnvoicedLowBytes, kFormantCount, ReportColor::Blue);
  appendBytes(unvoiced, frame + kUnvoicedLevelBytes, kFormantCount, ReportColor::Green);
  report.push_back(std::move(voiced));
  report.push_back(std::move(unvoiced));
}

void decodeSettings(std::span<const std::uint8_t, kHeaderBlockSize> header,
                    FseqSettings& settings) {
  settings.fseqName = nameFromBytes(header.subspan(kNameOffset, kNameLength));
  settings.loopStart = header[25] * 128 + header[26];
  settings.loopEnd = header[27] * 128 + header[28];
  settings.loopMode = header[29] != 0 ? LoopMode::Round : LoopMode::OneWay;
  settings.speedAdjust = header[30];
  settings.levelSensitivity = header[31];
  settings.pitchMode = header[32] != 0 ? PitchMode::Fixed : PitchMode::Fseq;
  settings.noteAssign = header[33];
  settings.pitchTuning = header[34] - 63;
  settings.startDelay = header[35];
  settings.lastValidFrame = header[39] * 128 + header[40];
  settings.clampToRanges();
}

}  // namespace

std::vector<std::uint8_t> DumpBuffer::bytes() const {
  std::vector<std::uint8_t> all(headerBlock.begin(), headerBlock.end());
  all.insert(all.end(), frameBlock.begin(), frameBlock.end());
  return all;
}

std::uint8_t dumpChecksum(std::span<const std::uint8_t> headerBlock,
                          std::span<const std::uint8_t> frameBytes) {
  unsigned sum = 0;
  for (std::size_t i = kChecksumFrom; i < headerBlock.size(); ++i)
    sum = (sum + headerBlock[i]) % 128;
  for (std::uint8_t byte : frameBytes) sum = (sum + byte) % 128;
  return static_cast<std::uint8_t>((128 - sum) % 128);
}

DumpBuffer LoadBuffers(const FseqDocument& document, const UploadMixer& mixer, Report& report) {
  const FseqSettings& settings = document.settings;
  const auto frames = static_cast<std::size_t>(std::clamp(document.frameCount, 1, kMaxFrames));

  DumpBuffer dump;
  auto& h = dump.headerBlock;
  h[0] = kSysExStart;
  h[1] = kYamaha;
  h[2] = 0x00;
  h[3] = kFs1r;
  h[4] = 0x10;
  h[5] = 0x64;
  h[6] = 0x60;
  h[7] = 0x00;
  h[8] = 0x00;
  const auto name = nameBytes(settings.fseqName);
  std::copy(name.begin(), name.end(), h.begin() + kNameOffset);
  h[25] = highOf(settings.loopStart);
  h[26] = lowOf(settings.loopStart);
  h[27] = highOf(settings.loopEnd);
  h[28] = lowOf(settings.loopEnd);
  h[29] = static_cast<std::uint8_t>(settings.loopMode);
  h[30] = static_cast<std::uint8_t>(settings.speedAdjust);
  h[31] = static_cast<std::uint8_t>(settings.levelSensitivity);
  h[32] = static_cast<std::uint8_t>(settings.pitchMode);
  h[33] = static_cast<std::uint8_t>(settings.noteAssign);
  h[34] = static_cast<std::uint8_t>(settings.pitchTuning + 63);
  h[35] = static_cast<std::uint8_t>(settings.startDelay);
  h[36] = frameCountCode(document.frameCount);
  h[39] = highOf(settings.lastValidFrame);
  h[40] = lowOf(settings.lastValidFrame);

  dump.frameBlock.resize(frames * kFrameSize + 2);
  for (std::size_t k = 0; k < frames; ++k) {
    encodeFrame(document.frames[k], mixer, dump.frameBlock.data() + k * kFrameSize);
  }
  const std::uint8_t checksum =
      dumpChecksum(dump.headerBlock, {dump.frameBlock.data(), frames * kFrameSize});
  dump.frameBlock[frames * kFrameSize] = checksum;
  dump.frameBlock[frames * kFrameSize + 1] = kSysExEnd;

  addLine(report, " ");
  addLine(report, "New CheckSum= " + hexByte(checksum) + " hex");
  return dump;
}

Report loadDump(std::span<const std::uint8_t> file, FseqDocument& document, UploadMixer& mixer) {
  if (file.size() < kHeaderBlockSize) {
    throw FormatError("the file holds " + std::to_string(file.size()) +
                      " bytes, fewer than the 41 bytes of an Fseq dump header");
  }
  const std::span<const std::uint8_t, kHeaderBlockSize> header = file.first<kHeaderBlockSize>();
  const std::span<const std::uint8_t> rest = file.subspan(kHeaderBlockSize);

  // The frame block as read: at most one dump's worth, zero beyond the file's end.
  const std::size_t bytesRead = std::min(rest.size(), kMaxFrameBlockSize);
  std::vector<std::uint8_t> frameBlock(kMaxFrameBlockSize, 0);
  std::copy_n(rest.begin(), bytesRead, frameBlock.begin());

  const std::uint8_t countCode = header[36];
  const std::int32_t frameCount = countCode <= 3 ? (countCode + 1) * 128 : kMaxFrames;
  const auto frames = static_cast<std::size_t>(frameCount);
  const std::size_t messageEnd = frames * kFrameSize + 2;  // frames, checksum, F7
  const std::size_t framesPresent = std::min(frames, bytesRead / kFrameSize);
  const std::uint8_t checksum = dumpChecksum(header, {frameBlock.data(), frames * kFrameSize});

  Report report;
  addLine(report, "fseq Header: " + hexBytes(header));
  FseqSettings settings = document.settings;
  decodeSettings(header, settings);
  addLine(report, "fseq Name: " + settings.fseqName);
  addLine(report, "fseq Frames: " + std::to_string(frameCount));
  addLine(report, "---------------------");
  addLine(report, "Bytes Read: " + std::to_string(bytesRead));
  addLine(report, "CheckSum= " + hexByte(checksum) + " hex");

  if (header[0] != kSysExStart || header[1] != kYamaha || header[3] != kFs1r) {
    addLine(report,
            "Warning: the file does not begin with F0 43 xx 5E, so it may not be an "
            "FS1R Fseq dump.");
  }
  if (countCode > 3) {
    addLine(report, "Warning: frame count code " + std::to_string(countCode) +
                        " is not 0 to 3; 512 frames were read.");
  }
  if (framesPresent < frames) {
    addLine(report, "Warning: the file holds only " + std::to_string(framesPresent) + " of the " +
                        std::to_string(frames) + " frames its header announces; frames " +
                        std::to_string(framesPresent + 1) + " to " + std::to_string(frames) +
                        " were set to 0.");
  } else if (bytesRead < messageEnd) {
    addLine(report, "Warning: the file ends before the checksum and F7.");
  } else {
    const std::uint8_t stored = frameBlock[frames * kFrameSize];
    if (stored != checksum) {
      addLine(report, "Warning: the stored checksum " + hexByte(stored) +
                          " hex differs from the computed " + hexByte(checksum) + " hex.");
    }
    const std::uint8_t end = frameBlock[messageEnd - 1];
    if (end != kSysExEnd) {
      addLine(report,
              "Warning: the message does not end with F7 (found " + hexByte(end) + " hex).");
    }
  }
  if (rest.size() > messageEnd) {
    addLine(report, "Warning: " + std::to_string(rest.size() - messageEnd) +
                        " bytes after the end of the message were ignored.");
  }

  for (std::size_t k = 0; k < framesPresent; ++k) {
    reportFrameBytes(report, frameBlock.data() + k * kFrameSize);
  }
  if (framesPresent == frames && bytesRead > frames * kFrameSize) {
    ReportLine tail;
    appendBytes(tail, frameBlock.data() + frames * kFrameSize,
                std::min<std::size_t>(2, bytesRead - frames * kFrameSize), ReportColor::Black);
    report.push_back(std::move(tail));
  }

  document.importedFrame = 0;
  document.settings = settings;
  document.frameCount = frameCount;
  for (std::size_t k = 0; k < frames; ++k) {
    document.frames[k] =
        k < framesPresent ? decodeFrame(frameBlock.data() + k * kFrameSize) : FseqFrame{};
  }
  document.currentFrame = 1;
  mixer.reset();
  return report;
}

}  // namespace fseq
