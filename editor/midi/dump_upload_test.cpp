#include "editor/midi/dump_upload.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor/midi/loopback_midi_system.h"
#include "editor/midi/manual_clock.h"
#include "editor/midi/midi_error.h"
#include "editor/midi/virtual_fs1r.h"

namespace fseq {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

FseqDocument sequence(int frameCount) {
  FseqDocument document;
  document.frameCount = frameCount;
  for (int k = 1; k <= frameCount; ++k) {
    document.frame(k).setPitch({12, k % 128});
    for (int j = 0; j < kFormantCount; ++j) document.frame(k).voicedLevel(j) = (k + j) % 128;
  }
  return document;
}

// Two outputs, each with a virtual FS1R behind it, on a manual clock.
class DumpUploadTest : public ::testing::Test {
 protected:
  DumpUploadTest() {
    system.addOutput("FS1R One", [this](auto bytes) {
      order.push_back(1);
      first.receive(bytes);
    });
    system.addOutput("FS1R Two", [this](auto bytes) {
      order.push_back(2);
      second.receive(bytes);
    });
    output = std::make_unique<TMidiOutput>(system);
    output->Open(0);
    output->Open(1);
  }

  DumpBuffer dumpOf(int frameCount) {
    Report report;
    return LoadBuffers(sequence(frameCount), UploadMixer{}, report);
  }

  ManualClock clock;
  VirtualFs1r first{clock};
  VirtualFs1r second{clock};
  LoopbackMidiSystem system;
  std::unique_ptr<TMidiOutput> output;
  std::vector<int> order;  // the output each piece went to
  std::vector<std::string> log;
  MidiLog logTo = [this](const std::string& line) { log.push_back(line); };
};

TEST_F(DumpUploadTest, SendsThe512BytePiecesWithPausesAndLogsTheCounts) {
  const struct {
    int frameCount;
    std::size_t pieces;
    std::size_t lastPiece;
    std::size_t lastFullCount;
    std::size_t finalCount;
  } cases[] = {
      {128, 13, 299, 6104, 6402},
      {256, 26, 43, 12760, 12802},
      {384, 38, 299, 18904, 19202},
      {512, 51, 43, 25560, 25602},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.frameCount);
    VirtualFs1r fs1r(clock);
    LoopbackMidiSystem one;
    one.addOutput("FS1R", [&](auto bytes) { fs1r.receive(bytes); });
    TMidiOutput midiOutput(one);
    midiOutput.Open(0);
    log.clear();
    const std::int64_t start = clock.nowMs();
    const std::size_t pausesBefore = clock.sleeps().size();
    const DumpBuffer dump = dumpOf(c.frameCount);
    const int outputs[] = {0};

    UploadDump(midiOutput, outputs, dump, clock, logTo);

    const auto received = fs1r.received();
    ASSERT_EQ(received.size(), c.pieces);
    for (std::size_t i = 0; i + 1 < received.size(); ++i) {
      EXPECT_EQ(received[i].bytes.size(), 512u);
      EXPECT_EQ(received[i + 1].atMs - received[i].atMs, 150);
    }
    EXPECT_EQ(received.back().bytes.size(), c.lastPiece);
    EXPECT_EQ(clock.sleeps().size() - pausesBefore, c.pieces - 1);
    EXPECT_EQ(clock.nowMs() - start, 150 * std::int64_t(c.pieces - 1));

    ASSERT_EQ(log.size(), c.pieces + 1);
    EXPECT_EQ(log[0], " --> FS1R Header Block");
    EXPECT_EQ(log[1], " --> FS1R Data Block 472");
    EXPECT_EQ(log[2], " --> FS1R Data Block 984");
    EXPECT_EQ(log[log.size() - 2], " --> FS1R Data Block " + std::to_string(c.lastFullCount));
    EXPECT_EQ(log.back(), " --> FS1R Data Block " + std::to_string(c.finalCount));

    const auto dumps = fs1r.dumps();
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_THAT(dumps[0].problems, IsEmpty());
    EXPECT_EQ(dumps[0].frameCount, c.frameCount);
    EXPECT_EQ(dumps[0].bytes, dump.bytes());
  }
}

TEST_F(DumpUploadTest, ServesEachOutputCompletelyInTheOrderGiven) {
  const DumpBuffer dump = dumpOf(128);
  const int outputs[] = {1, 0};
  UploadDump(*output, outputs, dump, clock, logTo);

  ASSERT_EQ(first.dumps().size(), 1u);
  ASSERT_EQ(second.dumps().size(), 1u);
  EXPECT_EQ(first.dumps()[0].bytes, dump.bytes());
  EXPECT_EQ(second.dumps()[0].bytes, dump.bytes());
  // The second output had every piece before the first had any.
  std::vector<int> expectedOrder(13, 2);
  expectedOrder.insert(expectedOrder.end(), 13, 1);
  EXPECT_EQ(order, expectedOrder);
  ASSERT_EQ(log.size(), 28u);
  EXPECT_EQ(log[0], " --> FS1R Two Header Block");
  EXPECT_EQ(log[13], " --> FS1R Two Data Block 6402");
  EXPECT_EQ(log[14], " --> FS1R One Header Block");
}

TEST_F(DumpUploadTest, AFailingDeviceEndsTheUploadAndLeavesTheRestUnserved) {
  output->Close(1);
  const DumpBuffer dump = dumpOf(128);
  const int outputs[] = {1, 0};
  EXPECT_THROW(UploadDump(*output, outputs, dump, clock, logTo), MidiError);
  EXPECT_THAT(log, ElementsAre(" --> FS1R Two Header Block"));
  EXPECT_TRUE(first.received().empty());
}

TEST_F(DumpUploadTest, APauseOfOtherLengthIsKept) {
  const int outputs[] = {0};
  UploadDump(*output, outputs, dumpOf(128), clock, logTo, 20);
  EXPECT_EQ(clock.sleeps(), std::vector<std::int64_t>(12, 20));
}

}  // namespace
}  // namespace fseq
