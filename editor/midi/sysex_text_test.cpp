#include "editor/midi/sysex_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor/midi/midi_error.h"

namespace fseq {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(StrToSysExStream, ConvertsHexPairsIgnoringCaseAndBlanks) {
  const struct {
    const char* text;
    Bytes bytes;
  } cases[] = {
      {"F043105E1000000048F7", {0xF0, 0x43, 0x10, 0x5E, 0x10, 0x00, 0x00, 0x00, 0x48, 0xF7}},
      {"f043105e1000000048f7", {0xF0, 0x43, 0x10, 0x5E, 0x10, 0x00, 0x00, 0x00, 0x48, 0xF7}},
      // Even length as typed: the blanks go, and a digit left over without
      // its pair is dropped.
      {"F0 43 10 5E 10F7", {0xF0, 0x43, 0x10, 0x5E, 0x10, 0xF7}},
      {"F0 43 10 5E 1F7 ", {0xF0, 0x43, 0x10, 0x5E, 0x1F}},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToSysExStream(c.text), c.bytes) << c.text;
}

TEST(StrToSysExStream, ACharacterThatIsNoHexDigitCountsAsZero) {
  EXPECT_EQ(StrToSysExStream("F0G1Z05EF7"), (Bytes{0xF0, 0x01, 0x00, 0x5E, 0xF7}));
}

TEST(StrToSysExStream, RefusesOddAndShortTextsCountingBlanks) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"F0 43 10 5E 10 00 00 00 48 F7", "SysEx string corrupted"},  // 29 characters
      {"F043105", "SysEx string corrupted"},
      {"F043105E", "SysEx string too short"},  // 8 characters
      {"", "SysEx string too short"},
  };
  for (const auto& c : cases) {
    try {
      StrToSysExStream(c.text);
      ADD_FAILURE() << "accepted \"" << c.text << "\"";
    } catch (const MidiError& error) {
      EXPECT_STREQ(error.what(), c.message) << c.text;
    }
  }
}

TEST(SysExStreamToStr, WritesUpperCasePairsEachFollowedByABlank) {
  EXPECT_EQ(SysExStreamToStr(Bytes{0xF0, 0x7F}), "F0 7F ");
  EXPECT_EQ(SysExStreamToStr(Bytes{0x0a, 0xbc}), "0A BC ");
  EXPECT_EQ(SysExStreamToStr(Bytes{}), "");
}

}  // namespace
}  // namespace fseq
