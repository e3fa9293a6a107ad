#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// SysEx messages written as hexadecimal text, as the user types them and as
// the log shows them.
namespace fseq {

// The bytes of a text of hexadecimal pairs. Throws MidiError "SysEx string
// corrupted" for a text of odd length and "SysEx string too short" for fewer
// than 10 characters, both counted with blanks; blanks are then dropped, case
// does not matter, and a character that is not a hexadecimal digit counts as 0.
std::vector<std::uint8_t> StrToSysExStream(std::string_view text);

// Each byte as two upper-case hexadecimal digits followed by a blank.
std::string SysExStreamToStr(std::span<const std::uint8_t> bytes);

}  // namespace fseq
