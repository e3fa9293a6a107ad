// The MIDI layer over real ports: a JACK server of the test's own with the
// dummy driver, the editor's RtMidi JACK backend on one side and a plain JACK
// client on the other.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <condition_variable>

#include "editor/midi/dump_upload.h"
#include "editor/midi/jack_midi_peer.h"
#include "editor/midi/midi_input.h"
#include "editor/midi/rtmidi_system.h"
#include "test_support/jack_test_server.h"

namespace fseq {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test_support::JackTestServer;

double steadyMs() {
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Passes everything on to the real system, noting when each message was
// handed to an output.
class SendTimes final : public MidiSystem {
 public:
  explicit SendTimes(MidiSystem& real) : real_(real) {}
  std::vector<double> times;

  std::vector<std::string> inputNames() override { return real_.inputNames(); }
  std::vector<std::string> outputNames() override { return real_.outputNames(); }
  std::unique_ptr<MidiInPort> openInput(const std::string& name, MidiReceiver receiver) override {
    return real_.openInput(name, std::move(receiver));
  }
  std::unique_ptr<MidiOutPort> openOutput(const std::string& name) override {
    class Port final : public MidiOutPort {
     public:
      Port(std::unique_ptr<MidiOutPort> real, std::vector<double>& times)
          : real_(std::move(real)), times_(times) {}
      void send(std::span<const std::uint8_t> bytes) override {
        times_.push_back(steadyMs());
        real_->send(bytes);
      }

     private:
      std::unique_ptr<MidiOutPort> real_;
      std::vector<double>& times_;
    };
    return std::make_unique<Port>(real_.openOutput(name), times);
  }

 private:
  MidiSystem& real_;
};

class JackMidiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (auto reason = JackTestServer::unavailableReason()) GTEST_SKIP() << *reason;
    server = std::make_unique<JackTestServer>();
    peer = std::make_unique<JackMidiPeer>(*server, "fs1r");
    system = std::make_unique<RtMidiSystem>(RtMidi::UNIX_JACK, "fseq_test");
  }

  static int indexOf(const TMidiDevices& devices, const std::string& name) {
    const auto& names = devices.Names();
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
  }

  std::unique_ptr<JackTestServer> server;
  std::unique_ptr<JackMidiPeer> peer;
  std::unique_ptr<RtMidiSystem> system;
};

TEST_F(JackMidiTest, TheUploadArrivesAsTheDumpIn512BytePiecesAtLeast150MsApart) {
  SendTimes timed(*system);
  TMidiOutput output(timed);
  const int fs1r = indexOf(output, peer->inputPortName());
  ASSERT_GE(fs1r, 0) << "the receiving port is not listed";
  output.Open(fs1r);

  FseqDocument document;
  document.frameCount = 128;
  for (int k = 1; k <= 128; ++k) document.frame(k).voicedLevel(0) = k % 128;
  Report report;
  const DumpBuffer dump = LoadBuffers(document, UploadMixer{}, report);
  const Bytes expected = dump.bytes();
  std::vector<std::string> log;
  SystemClock clock;
  const int outputs[] = {fs1r};
  UploadDump(output, outputs, dump, clock, [&](const std::string& line) { log.push_back(line); });

  const auto events = peer->waitForBytes(expected.size(), 5000);
  Bytes received;
  for (const auto& event : events)
    received.insert(received.end(), event.bytes.begin(), event.bytes.end());
  EXPECT_EQ(received, expected);
  std::string sizes;
  for (const auto& event : events) sizes += std::to_string(event.bytes.size()) + " ";
  ASSERT_EQ(events.size(), 13u) << "piece sizes: " << sizes;
  ASSERT_EQ(timed.times.size(), 13u);
  for (std::size_t i = 0; i + 1 < events.size(); ++i) {
    EXPECT_EQ(events[i].bytes.size(), 512u) << "piece " << i;
    EXPECT_GE(timed.times[i + 1] - timed.times[i], 150.0) << "sending piece " << i + 1;
    // JACK may hold a piece back for a cycle or more on a busy machine, so
    // the arrivals are measured against the sends: no piece arrives before
    // 150 ms have passed since the one before it went out.
    EXPECT_GE(events[i + 1].atMs - timed.times[i], 150.0) << "piece " << i + 1 << " arrived early";
  }
  EXPECT_EQ(events.back().bytes.size(), 299u);
  EXPECT_EQ(log.back(), " --> " + peer->inputPortName() + " Data Block 6402");
}

TEST_F(JackMidiTest, InputHandsOnShortMessagesAndSysExIn2048BytePieces) {
  TMidiInput input(*system);
  const int source = indexOf(input, peer->outputPortName());
  ASSERT_GE(source, 0) << "the sending port is not listed";

  std::mutex mutex;
  std::condition_variable arrived;
  std::vector<Bytes> pieces;
  std::vector<Bytes> shorts;
  std::size_t sysExBytes = 0;
  input.OnSysExData = [&](int device, std::span<const std::uint8_t> bytes) {
    std::lock_guard lock(mutex);
    EXPECT_EQ(device, source);
    pieces.emplace_back(bytes.begin(), bytes.end());
    sysExBytes += bytes.size();
    arrived.notify_all();
  };
  input.OnMidiInput = [&](int, std::uint8_t status, std::uint8_t d1, std::uint8_t d2) {
    std::lock_guard lock(mutex);
    shorts.push_back({status, d1, d2});
    arrived.notify_all();
  };
  input.Open(source);
  ASSERT_TRUE(peer->waitForConnection(false, 5000));

  Bytes message(3000, 0x11);
  message.front() = 0xF0;
  message.back() = 0xF7;
  peer->send(Bytes{0x90, 60, 100});
  peer->send(message);

  std::unique_lock lock(mutex);
  ASSERT_TRUE(arrived.wait_for(lock, std::chrono::seconds(5),
                               [&] { return sysExBytes == message.size() && !shorts.empty(); }));
  EXPECT_EQ(shorts, std::vector<Bytes>{(Bytes{0x90, 60, 100})});
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0], Bytes(message.begin(), message.begin() + 2048));
  EXPECT_EQ(pieces[1], Bytes(message.begin() + 2048, message.end()));
  lock.unlock();
  input.Close(source);
}

}  // namespace
}  // namespace fseq
