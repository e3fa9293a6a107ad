#include "editor/midi/jack_midi_peer.h"

#include <jack/midiport.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace fseq {

namespace {

double steadyMs() {
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

JackMidiPeer::JackMidiPeer(test_support::JackTestServer& server, const std::string& clientName)
    : bytes_(kMaxBytes), eventEnds_(kMaxEvents), eventTimes_(kMaxEvents) {
  client_ = server.openClient(clientName);
  in_ = jack_port_register(client_, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
  out_ = jack_port_register(client_, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
  outgoing_ = jack_ringbuffer_create(64 * 1024);
  jack_set_process_callback(client_, &JackMidiPeer::process, this);
  if (in_ == nullptr || out_ == nullptr || jack_activate(client_) != 0) {
    jack_client_close(client_);
    jack_ringbuffer_free(outgoing_);
    throw std::runtime_error("cannot set up the JACK MIDI test client");
  }
}

JackMidiPeer::~JackMidiPeer() {
  jack_deactivate(client_);
  jack_client_close(client_);
  jack_ringbuffer_free(outgoing_);
}

std::string JackMidiPeer::inputPortName() const {
  return jack_port_name(in_);
}

std::string JackMidiPeer::outputPortName() const {
  return jack_port_name(out_);
}

bool JackMidiPeer::waitForConnection(bool input, int timeoutMs) const {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (jack_port_connected(input ? in_ : out_) == 0) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  const double periodMs = 1000.0 * jack_get_buffer_size(client_) / jack_get_sample_rate(client_);
  std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<int>(3 * periodMs) + 1));
  return true;
}

void JackMidiPeer::send(std::span<const std::uint8_t> bytes) {
  const auto size = static_cast<std::uint32_t>(bytes.size());
  if (jack_ringbuffer_write_space(outgoing_) < sizeof size + size)
    throw std::runtime_error("JACK test client: send queue full");
  jack_ringbuffer_write(outgoing_, reinterpret_cast<const char*>(&size), sizeof size);
  jack_ringbuffer_write(outgoing_, reinterpret_cast<const char*>(bytes.data()), size);
}

int JackMidiPeer::process(jack_nframes_t frames, void* self) {
  auto& peer = *static_cast<JackMidiPeer*>(self);
  void* input = jack_port_get_buffer(peer.in_, frames);
  const double now = steadyMs();
  std::size_t count = peer.eventCount_.load(std::memory_order_relaxed);
  std::size_t used = count == 0 ? 0 : peer.eventEnds_[count - 1];
  const jack_nframes_t events = jack_midi_get_event_count(input);
  for (jack_nframes_t i = 0; i < events && count < kMaxEvents; ++i) {
    jack_midi_event_t event;
    if (jack_midi_event_get(&event, input, i) != 0 || used + event.size > kMaxBytes) break;
    std::copy(event.buffer, event.buffer + event.size, peer.bytes_.begin() + long(used));
    used += event.size;
    peer.eventEnds_[count] = used;
    peer.eventTimes_[count] = now;
    ++count;
  }
  peer.eventCount_.store(count, std::memory_order_release);

  void* output = jack_port_get_buffer(peer.out_, frames);
  jack_midi_clear_buffer(output);
  std::uint32_t size = 0;
  while (jack_ringbuffer_read_space(peer.outgoing_) >= sizeof size) {
    jack_ringbuffer_peek(peer.outgoing_, reinterpret_cast<char*>(&size), sizeof size);
    if (jack_ringbuffer_read_space(peer.outgoing_) < sizeof size + size) break;
    jack_midi_data_t* slot = jack_midi_event_reserve(output, 0, size);
    if (slot == nullptr) break;  // full this cycle: the rest goes in the next
    jack_ringbuffer_read_advance(peer.outgoing_, sizeof size);
    jack_ringbuffer_read(peer.outgoing_, reinterpret_cast<char*>(slot), size);
  }
  return 0;
}

std::vector<JackMidiPeer::Event> JackMidiPeer::waitForBytes(std::size_t wanted,
                                                            int timeoutMs) const {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  std::size_t count = 0;
  while (true) {
    count = eventCount_.load(std::memory_order_acquire);
    const std::size_t received = count == 0 ? 0 : eventEnds_[count - 1];
    if (received >= wanted || std::chrono::steady_clock::now() > deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::vector<Event> events;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < count; ++i) {
    events.push_back(
        {eventTimes_[i], {bytes_.begin() + long(begin), bytes_.begin() + long(eventEnds_[i])}});
    begin = eventEnds_[i];
  }
  return events;
}

}  // namespace fseq
