#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "editor/midi/loopback_midi_system.h"
#include "editor/midi/midi_error.h"
#include "editor/midi/midi_input.h"
#include "editor/midi/midi_output.h"

namespace fseq {
namespace {

using Bytes = std::vector<std::uint8_t>;
using ::testing::ElementsAre;

struct ShortMessage {
  int device;
  int status, data1, data2;
  friend bool operator==(const ShortMessage&, const ShortMessage&) = default;
};

// Two loopbacks and an input fed by the test; the events are recorded.
class MidiDevicesTest : public ::testing::Test {
 protected:
  MidiDevicesTest() {
    system.addLoopback("Loop A");
    system.addLoopback("Loop B");
    system.addInput("Keyboard");
    input = std::make_unique<TMidiInput>(system);
    output = std::make_unique<TMidiOutput>(system);
    input->OnMidiInput = [this](int device, std::uint8_t status, std::uint8_t d1, std::uint8_t d2) {
      shorts.push_back({device, status, d1, d2});
    };
    input->OnSysExData = [this](int device, std::span<const std::uint8_t> bytes) {
      sysEx.push_back({device, Bytes(bytes.begin(), bytes.end())});
    };
  }

  LoopbackMidiSystem system;
  std::unique_ptr<TMidiInput> input;
  std::unique_ptr<TMidiOutput> output;
  std::vector<ShortMessage> shorts;
  std::vector<std::pair<int, Bytes>> sysEx;
};

template <typename Action>
std::string errorOf(Action action) {
  try {
    action();
  } catch (const MidiError& error) {
    return error.what();
  }
  return "no error";
}

TEST_F(MidiDevicesTest, ListsTheDevicesInTheSystemsOrder) {
  EXPECT_THAT(input->Names(), ElementsAre("Loop A", "Loop B", "Keyboard"));
  EXPECT_THAT(output->Names(), ElementsAre("Loop A", "Loop B"));
  // Devices that come later are not seen.
  system.addOutput("Late");
  EXPECT_EQ(TMidiOutput(system).Count(), 3);
  EXPECT_EQ(output->Count(), 2);
}

TEST_F(MidiDevicesTest, AnIndexOutsideTheListNamesTheClassAndTheIndex) {
  EXPECT_EQ(errorOf([&] { input->Open(3); }), "TMidiInput: Device index out of bounds! (3)");
  EXPECT_EQ(errorOf([&] { input->Close(-1); }), "TMidiInput: Device index out of bounds! (-1)");
  EXPECT_EQ(errorOf([&] { output->Open(2); }), "TMidiOutput: Device index out of bounds! (2)");
  EXPECT_EQ(errorOf([&] { output->Send(7, 0x90, 1, 2); }),
            "TMidiOutput: Device index out of bounds! (7)");
}

TEST_F(MidiDevicesTest, OpeningTwiceAndClosingAClosedDeviceDoNothing) {
  input->Open(2);
  input->Open(2);
  EXPECT_TRUE(system.inputOpen("Keyboard"));
  input->Close(2);
  input->Close(2);
  EXPECT_FALSE(system.inputOpen("Keyboard"));
  output->Open(0);
  output->Open(0);
  EXPECT_TRUE(output->IsOpen(0));
  output->Close(0);
  output->Close(1);
  EXPECT_FALSE(system.outputOpen("Loop A"));
}

TEST_F(MidiDevicesTest, ARefusingDriversTextBecomesTheError) {
  system.refuse("Loop B", "Loop B is busy");
  EXPECT_EQ(errorOf([&] { output->Open(1); }), "Loop B is busy");
  EXPECT_FALSE(output->IsOpen(1));
}

TEST_F(MidiDevicesTest, ShortMessagesCarryAsManyDataBytesAsTheStatusCallsFor) {
  input->Open(0);
  output->Open(0);
  output->Send(0, 0x90, 60, 100);
  output->Send(0, 0xC3, 5, 99);
  output->Send(0, 0xF8, 1, 2);
  output->Send(0, 0xF2, 3, 4);
  EXPECT_THAT(system.sentTo("Loop A"),
              ElementsAre(Bytes{0x90, 60, 100}, Bytes{0xC3, 5}, Bytes{0xF8}, Bytes{0xF2, 3, 4}));
  // Missing data bytes arrive as 0; timing clock is handed on like any other.
  EXPECT_THAT(shorts, ElementsAre(ShortMessage{0, 0x90, 60, 100}, ShortMessage{0, 0xC3, 5, 0},
                                  ShortMessage{0, 0xF8, 0, 0}, ShortMessage{0, 0xF2, 3, 4}));
}

TEST_F(MidiDevicesTest, SendingToAClosedDevice) {
  output->Send(1, 0x90, 60, 100);  // short messages: nothing happens
  EXPECT_TRUE(system.sentTo("Loop B").empty());
  EXPECT_EQ(errorOf([&] { output->SendSysEx(1, "F043105E1000000048F7"); }),
            "Loop B: the device is not open");
}

TEST_F(MidiDevicesTest, AMalformedTextIsRefusedBeforeAnythingIsSent) {
  output->Open(0);
  EXPECT_EQ(errorOf([&] { output->SendSysEx(0, "F043105E"); }), "SysEx string too short");
  EXPECT_TRUE(system.sentTo("Loop A").empty());
  output->SendSysEx(0, "F043105E1000000048F7");
  EXPECT_THAT(system.sentTo("Loop A"),
              ElementsAre(Bytes{0xF0, 0x43, 0x10, 0x5E, 0x10, 0x00, 0x00, 0x00, 0x48, 0xF7}));
}

Bytes sysExMessage(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i % 128);
  bytes.front() = 0xF0;
  bytes.back() = 0xF7;
  return bytes;
}

TEST_F(MidiDevicesTest, SysExArrivesWholeUpTo2048BytesAndIn2048BytePiecesBeyond) {
  input->Open(2);
  const Bytes small = sysExMessage(10);
  const Bytes exact = sysExMessage(2048);
  const Bytes large = sysExMessage(5000);
  system.inject("Keyboard", small);
  system.inject("Keyboard", exact);
  // The driver may hand a long message on in parts of any size.
  system.inject("Keyboard", std::span(large).first(1000));
  system.inject("Keyboard", std::span(large).subspan(1000));
  ASSERT_EQ(sysEx.size(), 5u);
  EXPECT_EQ(sysEx[0].second, small);
  EXPECT_EQ(sysEx[1].second, exact);
  EXPECT_EQ(sysEx[2].second, Bytes(large.begin(), large.begin() + 2048));
  EXPECT_EQ(sysEx[3].second, Bytes(large.begin() + 2048, large.begin() + 4096));
  EXPECT_EQ(sysEx[4].second, Bytes(large.begin() + 4096, large.end()));
  EXPECT_EQ(sysEx[4].first, 2);
  EXPECT_TRUE(shorts.empty());
}

TEST_F(MidiDevicesTest, RealTimeBytesInsideSysExPassAndAStatusByteEndsALostMessage) {
  input->Open(1);
  system.inject("Loop B", Bytes{0xF0, 0x43, 0x10});
  system.inject("Loop B", Bytes{0xF8});
  system.inject("Loop B", Bytes{0x5E, 0xF7});
  system.inject("Loop B", Bytes{0xF0, 0x01, 0x02});
  system.inject("Loop B", Bytes{0x80, 60, 0});
  EXPECT_THAT(sysEx, ElementsAre(std::pair{1, Bytes{0xF0, 0x43, 0x10, 0x5E, 0xF7}},
                                 std::pair{1, Bytes{0xF0, 0x01, 0x02}}));
  EXPECT_THAT(shorts, ElementsAre(ShortMessage{1, 0xF8, 0, 0}, ShortMessage{1, 0x80, 60, 0}));
}

TEST_F(MidiDevicesTest, NoEventArrivesAfterCloseReturns) {
  std::atomic<int> received{0};
  input->OnMidiInput = [&](int, std::uint8_t, std::uint8_t, std::uint8_t) { ++received; };
  input->Open(2);
  std::atomic<bool> running{true};
  std::thread driver([&] {
    while (running) system.inject("Keyboard", Bytes{0x90, 1, 2});
  });
  while (received == 0) std::this_thread::yield();
  input->Close(2);
  const int seen = received;
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  running = false;
  driver.join();
  EXPECT_EQ(received, seen);
}

}  // namespace
}  // namespace fseq
