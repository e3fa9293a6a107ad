#include "editor/midi/sysex_text.h"

#include <algorithm>
#include <cctype>

#include "editor/midi/midi_error.h"

namespace fseq {

namespace {

constexpr std::size_t kShortestText = 10;

std::uint8_t digitValue(char c) {
  static constexpr std::string_view kDigits = "123456789ABCDEF";
  const std::size_t position = kDigits.find(c);
  return position == std::string_view::npos ? 0 : static_cast<std::uint8_t>(position + 1);
}

}  // namespace

std::vector<std::uint8_t> StrToSysExStream(std::string_view text) {
  if (text.size() % 2 != 0) throw MidiError("SysEx string corrupted");
  if (text.size() < kShortestText) throw MidiError("SysEx string too short");
  std::string digits;
  for (char c : text) {
    if (c != ' ') digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  std::vector<std::uint8_t> bytes(digits.size() / 2);
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    bytes[k] =
        static_cast<std::uint8_t>(16 * digitValue(digits[2 * k]) + digitValue(digits[2 * k + 1]));
  }
  return bytes;
}

std::string SysExStreamToStr(std::span<const std::uint8_t> bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 3);
  for (std::uint8_t byte : bytes) {
    text += kHex[byte >> 4];
    text += kHex[byte & 0x0F];
    text += ' ';
  }
  return text;
}

}  // namespace fseq
