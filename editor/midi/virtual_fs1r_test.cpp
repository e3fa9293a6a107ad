#include "editor/midi/virtual_fs1r.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor/midi/manual_clock.h"
#include "editor/model/sysex_codec.h"

namespace fseq {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::uint8_t> goodDump() {
  FseqDocument document;
  document.frameCount = 128;
  Report report;
  return LoadBuffers(document, UploadMixer{}, report).bytes();
}

TEST(VirtualFs1r, JoinsADumpFromPiecesAndFindsItGood) {
  ManualClock clock;
  VirtualFs1r fs1r(clock);
  const auto dump = goodDump();
  fs1r.receive(std::span(dump).first(512));
  clock.sleepMs(150);
  fs1r.receive(std::span(dump).subspan(512));
  ASSERT_EQ(fs1r.dumps().size(), 1u);
  EXPECT_THAT(fs1r.dumps()[0].problems, IsEmpty());
  EXPECT_EQ(fs1r.dumps()[0].bytes, dump);
  EXPECT_EQ(fs1r.received()[1].atMs, 150);
}

TEST(VirtualFs1r, ReportsWhatIsWrongWithADump) {
  ManualClock clock;
  const auto withChange = [](std::size_t offset, std::uint8_t value) {
    auto dump = goodDump();
    dump[offset] = value;
    return dump;
  };
  auto missingPiece = goodDump();
  missingPiece.erase(missingPiece.begin() + 600, missingPiece.begin() + 700);
  const struct {
    std::vector<std::uint8_t> bytes;
    const char* problem;
  } cases[] = {
      {withChange(100, 0x12), "checksum does not match"},
      {withChange(7, 0x01), "header does not start F0 43 00 5E 10 64 60 00 00"},
      {withChange(36, 0x05), "frame count code above 3"},
      {missingPiece, "6343 bytes instead of 6443"},
  };
  for (const auto& c : cases) {
    VirtualFs1r fs1r(clock);
    fs1r.receive(c.bytes);
    ASSERT_EQ(fs1r.dumps().size(), 1u);
    EXPECT_THAT(fs1r.dumps()[0].problems, ::testing::Contains(c.problem));
  }
}

TEST(VirtualFs1r, RecordsParameterChangesAndKeepsOtherMessagesApart) {
  ManualClock clock;
  VirtualFs1r fs1r(clock);
  fs1r.receive(
      std::vector<std::uint8_t>{0xF0, 0x43, 0x10, 0x5E, 0x10, 0x00, 0x18, 0x07, 0x68, 0xF7});
  fs1r.receive(std::vector<std::uint8_t>{0x90, 60, 100});
  const auto changes = fs1r.parameterChanges();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_THAT(changes[0].address, ElementsAre(0x10, 0x00, 0x18));
  EXPECT_EQ(changes[0].value, 1000);
  EXPECT_THAT(fs1r.otherMessages(), ElementsAre(std::vector<std::uint8_t>{0x90, 60, 100}));
  EXPECT_THAT(fs1r.dumps(), IsEmpty());
}

}  // namespace
}  // namespace fseq
