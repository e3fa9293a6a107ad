#include "editor/midi/midi_log_lines.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "editor/midi/sysex_text.h"

namespace fseq {

std::string logTimeNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", local.tm_hour, local.tm_min, local.tm_sec,
                static_cast<int>(ms));
  return text;
}

std::string receivedShortLine(std::string_view time, std::string_view device, std::uint8_t status,
                              std::uint8_t data1, std::uint8_t data2) {
  char bytes[64];
  std::snprintf(bytes, sizeof bytes, ": <Status> %.2X, <Data 1> %.2X <Data 2> %.2X", status, data1,
                data2);
  return "[" + std::string(time) + "] " + std::string(device) + bytes;
}

std::string passedOnLine(std::string_view output) {
  return " -->" + std::string(output);
}

std::string receivedSysExLine(std::string_view time, std::string_view device,
                              std::span<const std::uint8_t> bytes) {
  return "[" + std::string(time) + "] " + std::string(device) + ": <Bytes> " +
         std::to_string(bytes.size()) + " <SysEx> " + SysExStreamToStr(bytes);
}

std::string sentTextLine(std::string_view output, std::string_view text) {
  return " --> " + std::string(output) + " " + std::string(text);
}

std::string headerBlockLine(std::string_view output) {
  return " --> " + std::string(output) + " Header Block";
}

std::string dataBlockLine(std::string_view output, std::size_t count) {
  return " --> " + std::string(output) + " Data Block " + std::to_string(count);
}

std::string liveMessageLine(std::string_view output, std::string_view text,
                            std::string_view label) {
  return " --> " + std::string(output) + " " + std::string(text) + std::string(label);
}

}  // namespace fseq
