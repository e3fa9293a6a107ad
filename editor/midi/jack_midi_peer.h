#pragma once

#include <jack/jack.h>
#include <jack/ringbuffer.h>

#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "test_support/jack_test_server.h"

namespace fseq {

// A JACK client for tests that stands at the far end of the editor's MIDI
// ports: its input port "in" records every event with the time it arrived,
// its output port "out" sends what the test queues. Works in buffers made up
// front, so its process callback neither allocates nor waits.
class JackMidiPeer {
 public:
  struct Event {
    double atMs;  // steady clock
    std::vector<std::uint8_t> bytes;
  };

  // Throws std::runtime_error when the server does not take the client.
  JackMidiPeer(test_support::JackTestServer& server, const std::string& clientName);
  ~JackMidiPeer();
  JackMidiPeer(const JackMidiPeer&) = delete;
  JackMidiPeer& operator=(const JackMidiPeer&) = delete;

  // Full port names ("client:in"), as the editor lists them.
  std::string inputPortName() const;
  std::string outputPortName() const;

  // Waits until something is connected to "in" (input) or "out", and then a
  // few cycles more so the server's new graph is in use. False on time-out.
  bool waitForConnection(bool input, int timeoutMs) const;

  // Sends one MIDI event from "out" in the next cycle.
  void send(std::span<const std::uint8_t> bytes);

  // Waits until this many bytes have arrived or the time is up; returns all
  // events received so far.
  std::vector<Event> waitForBytes(std::size_t count, int timeoutMs) const;

 private:
  static int process(jack_nframes_t frames, void* self);

  static constexpr std::size_t kMaxEvents = 4096;
  static constexpr std::size_t kMaxBytes = 256 * 1024;

  jack_client_t* client_ = nullptr;
  jack_port_t* in_ = nullptr;
  jack_port_t* out_ = nullptr;
  jack_ringbuffer_t* outgoing_ = nullptr;

  std::vector<std::uint8_t> bytes_;
  std::vector<std::size_t> eventEnds_;
  std::vector<double> eventTimes_;
  std::atomic<std::size_t> eventCount_{0};
};

}  // namespace fseq
