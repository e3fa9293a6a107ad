// fseq-cli's MIDI commands against real JACK ports.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "editor/app/cli_test_support.h"
#include "editor/midi/jack_midi_peer.h"
#include "editor/model/file_operations.h"
#include "test_support/files.h"
#include "test_support/jack_test_server.h"
#include "test_support/temp_dir.h"

namespace fseq {
namespace {

using test_support::JackTestServer;
using test_support::TempDir;
using ::testing::HasSubstr;

class FseqCliJackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (auto reason = JackTestServer::unavailableReason()) GTEST_SKIP() << *reason;
    server = std::make_unique<JackTestServer>();
    peer = std::make_unique<JackMidiPeer>(*server, "fs1r");
    ::setenv("FSEQ_MIDI_API", "jack", 1);
  }
  void TearDown() override { ::unsetenv("FSEQ_MIDI_API"); }

  std::unique_ptr<JackTestServer> server;
  std::unique_ptr<JackMidiPeer> peer;
};

TEST_F(FseqCliJackTest, PortsListsTheDevicesWithTheirIndexes) {
  const CliResult result = runCli({"ports"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Input devices:\n"));
  EXPECT_THAT(result.out, HasSubstr("Output devices:\n"));
  // The peer's "out" feeds the editor's inputs and its "in" takes the outputs.
  const std::string inputs = result.out.substr(0, result.out.find("Output devices:"));
  const std::string outputs = result.out.substr(result.out.find("Output devices:"));
  EXPECT_THAT(inputs, ::testing::ContainsRegex("  [0-9]+  " + peer->outputPortName() + "\n"));
  EXPECT_THAT(outputs, ::testing::ContainsRegex("  [0-9]+  " + peer->inputPortName() + "\n"));
}

TEST_F(FseqCliJackTest, UploadSendsTheFileToTheNamedPortAndPrintsTheLog) {
  TempDir dir;
  FseqDocument document;
  document.frameCount = 128;
  document.settings.fseqName = "Vowels";
  saveSyxFile(dir / "vowels.syx", document, UploadMixer{});
  const auto expected = test_support::readBytes(dir / "vowels.syx");

  const CliResult result =
      runCli({"upload", (dir / "vowels.syx").string(), "--out", "fs1r:in", "--pause-ms", "10"});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto events = peer->waitForBytes(expected.size(), 5000);
  std::vector<std::uint8_t> received;
  for (const auto& event : events)
    received.insert(received.end(), event.bytes.begin(), event.bytes.end());
  std::string sizes;
  for (const auto& event : events) sizes += std::to_string(event.bytes.size()) + " ";
  EXPECT_EQ(received, expected) << "piece sizes: " << sizes;
  EXPECT_EQ(events.size(), 13u) << "piece sizes: " << sizes;

  const std::string name = peer->inputPortName();
  EXPECT_THAT(result.out, ::testing::StartsWith(" \nNew CheckSum= "));
  EXPECT_THAT(result.out,
              HasSubstr(" --> " + name + " Header Block\n --> " + name + " Data Block 472\n"));
  EXPECT_THAT(result.out, ::testing::EndsWith(" --> " + name + " Data Block 6402\n"));
}

TEST_F(FseqCliJackTest, UploadToADeviceThatIsNotThereSaysSo) {
  TempDir dir;
  saveSyxFile(dir / "a.syx", FseqDocument{}, UploadMixer{});
  const std::string file = (dir / "a.syx").string();

  const CliResult byName = runCli({"upload", file, "--out", "no such synth"});
  EXPECT_EQ(byName.status, 1);
  EXPECT_EQ(byName.err,
            "fseq-cli: no output device is called \"no such synth\" (fseq-cli ports lists them)\n");

  const CliResult byIndex = runCli({"upload", file, "--out", "99"});
  EXPECT_EQ(byIndex.status, 1);
  EXPECT_EQ(byIndex.err, "fseq-cli: TMidiOutput: Device index out of bounds! (99)\n");
  EXPECT_TRUE(peer->waitForBytes(1, 100).empty());
}

}  // namespace
}  // namespace fseq
