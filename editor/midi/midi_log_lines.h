#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

// The lines of the upload window's log, shared by the window and fseq-cli.
namespace fseq {

// Receives each log line as it is written.
using MidiLog = std::function<void(const std::string& line)>;

// The local time as "HH:NN:SS.ZZZ" (hours, minutes, seconds, milliseconds).
std::string logTimeNow();

std::string receivedShortLine(std::string_view time, std::string_view device, std::uint8_t status,
                              std::uint8_t data1, std::uint8_t data2);
std::string passedOnLine(std::string_view output);
std::string receivedSysExLine(std::string_view time, std::string_view device,
                              std::span<const std::uint8_t> bytes);
std::string sentTextLine(std::string_view output, std::string_view text);
std::string headerBlockLine(std::string_view output);
std::string dataBlockLine(std::string_view output, std::size_t count);
std::string liveMessageLine(std::string_view output, std::string_view text, std::string_view label);

}  // namespace fseq
