#include "editor/midi/sysex_data.h"

namespace fseq {

namespace {
constexpr std::uint8_t kSysExStart = 0xF0;
constexpr std::uint8_t kSysExEnd = 0xF7;
}  // namespace

void TSysExData::append(std::span<const std::uint8_t> bytes, const Delivery& deliver) {
  for (std::uint8_t byte : bytes) {
    if (byte == kSysExStart) flush(deliver);
    inMessage_ = true;
    buffer_[recorded_++] = byte;
    if (byte == kSysExEnd) {
      flush(deliver);
    } else if (recorded_ == kBufferSize) {
      deliver(std::span(buffer_.data(), recorded_));
      recorded_ = 0;
    }
  }
}

void TSysExData::flush(const Delivery& deliver) {
  if (recorded_ > 0) deliver(std::span(buffer_.data(), recorded_));
  recorded_ = 0;
  inMessage_ = false;
}

}  // namespace fseq
