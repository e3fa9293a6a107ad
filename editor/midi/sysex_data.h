#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace fseq {

// Collects the SysEx bytes one input device receives and hands them on in
// deliveries of at most 2048 bytes: a whole message, or a 2048-byte piece of
// a longer one. Works in its fixed buffer, so the driver's thread never
// allocates here.
class TSysExData {
 public:
  static constexpr std::size_t kBufferSize = 2048;
  using Delivery = std::function<void(std::span<const std::uint8_t> bytes)>;

  // True from F0 until the F7 that ends the message.
  bool inMessage() const { return inMessage_; }

  // Takes the next bytes of a SysEx message (the first part starts with F0).
  void append(std::span<const std::uint8_t> bytes, const Delivery& deliver);

  // Hands on what was received of a message that ended without F7.
  void flush(const Delivery& deliver);

 private:
  std::array<std::uint8_t, kBufferSize> buffer_{};
  std::size_t recorded_ = 0;
  bool inMessage_ = false;
};

}  // namespace fseq
