#include "editor/midi/virtual_fs1r.h"

#include <algorithm>
#include <array>

#include "editor/model/sysex_codec.h"

namespace fseq {

namespace {

constexpr std::array<std::uint8_t, 9> kDumpStart{0xF0, 0x43, 0x00, 0x5E, 0x10,
                                                 0x64, 0x60, 0x00, 0x00};
constexpr std::uint8_t kSysExEnd = 0xF7;
constexpr std::size_t kParameterChangeSize = 10;
constexpr std::size_t kFrameCountOffset = 36;

bool startsDump(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 4 && std::equal(kDumpStart.begin(), kDumpStart.begin() + 4, bytes.begin());
}

bool isParameterChange(std::span<const std::uint8_t> bytes) {
  return bytes.size() == kParameterChangeSize && bytes[0] == 0xF0 && bytes[1] == 0x43 &&
         (bytes[2] & 0xF0) == 0x10 && bytes[3] == 0x5E && bytes.back() == kSysExEnd;
}

std::vector<std::string> dumpProblems(const std::vector<std::uint8_t>& bytes, int& frameCount) {
  std::vector<std::string> problems;
  if (bytes.size() < kHeaderBlockSize + 2) return {"shorter than a header"};
  if (!std::equal(kDumpStart.begin(), kDumpStart.end(), bytes.begin()))
    problems.push_back("header does not start F0 43 00 5E 10 64 60 00 00");
  const std::uint8_t code = bytes[kFrameCountOffset];
  frameCount = code <= 3 ? (code + 1) * 128 : 0;
  if (frameCount == 0) problems.push_back("frame count code above 3");
  const std::size_t expected = kHeaderBlockSize + kFrameSize * std::size_t(frameCount) + 2;
  if (bytes.size() != expected) {
    problems.push_back(std::to_string(bytes.size()) + " bytes instead of " +
                       std::to_string(expected));
    return problems;
  }
  if (bytes.back() != kSysExEnd) problems.push_back("does not end with F7");
  const auto data = std::span(bytes).subspan(1, bytes.size() - 2);
  if (std::any_of(data.begin(), data.end(), [](std::uint8_t b) { return b > 0x7F; }))
    problems.push_back("a data byte above 7F");
  const auto header = std::span(bytes).first(kHeaderBlockSize);
  const auto frames = std::span(bytes).subspan(kHeaderBlockSize, kFrameSize * frameCount);
  if (dumpChecksum(header, frames) != bytes[bytes.size() - 2])
    problems.push_back("checksum does not match");
  return problems;
}

}  // namespace

void VirtualFs1r::receive(std::span<const std::uint8_t> bytes) {
  std::lock_guard lock(mutex_);
  received_.push_back({clock_.nowMs(), {bytes.begin(), bytes.end()}});
  if (!inDump_ && startsDump(bytes)) {
    inDump_ = true;
    collecting_.clear();
  }
  if (inDump_) {
    collecting_.insert(collecting_.end(), bytes.begin(), bytes.end());
    if (!bytes.empty() && bytes.back() == kSysExEnd) finishDump();
  } else if (isParameterChange(bytes)) {
    changes_.push_back(
        {{bytes[4], bytes[5], bytes[6]}, bytes[7] * 128 + bytes[8], {bytes.begin(), bytes.end()}});
  } else {
    others_.emplace_back(bytes.begin(), bytes.end());
  }
}

void VirtualFs1r::finishDump() {
  Dump dump;
  dump.problems = dumpProblems(collecting_, dump.frameCount);
  dump.bytes = std::move(collecting_);
  dumps_.push_back(std::move(dump));
  collecting_.clear();
  inDump_ = false;
}

std::vector<VirtualFs1r::Received> VirtualFs1r::received() const {
  std::lock_guard lock(mutex_);
  return received_;
}

std::vector<VirtualFs1r::Dump> VirtualFs1r::dumps() const {
  std::lock_guard lock(mutex_);
  return dumps_;
}

std::vector<VirtualFs1r::ParameterChange> VirtualFs1r::parameterChanges() const {
  std::lock_guard lock(mutex_);
  return changes_;
}

std::vector<std::vector<std::uint8_t>> VirtualFs1r::otherMessages() const {
  std::lock_guard lock(mutex_);
  return others_;
}

}  // namespace fseq
