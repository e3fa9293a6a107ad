#include "editor/midi/rtmidi_system.h"

#include <jack/jack.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "editor/midi/midi_error.h"

namespace fseq {

namespace {

// JACK silently drops a single MIDI event above about 16 KB, so longer
// messages go out as several events, which receivers join up again.
constexpr std::size_t kLargestJackEvent = 1024;

template <typename Port>
std::vector<std::string> portNames(Port& port) {
  std::vector<std::string> names;
  const unsigned count = port.getPortCount();
  for (unsigned i = 0; i < count; ++i) names.push_back(port.getPortName(i));
  return names;
}

// Opens the port whose name matches; RtMidi numbers ports afresh on every call.
template <typename Port>
void openByName(Port& port, const std::string& name, const std::string& ownPortName) {
  const std::vector<std::string> names = portNames(port);
  const auto found = std::find(names.begin(), names.end(), name);
  if (found == names.end()) throw MidiError(name + ": the device is no longer there");
  port.openPort(static_cast<unsigned>(found - names.begin()), ownPortName);
}

void quiet(const char*) {}

// Sleeps for the given number of the JACK server's processing cycles.
void sleepJackCycles(jack_client_t* client, int cycles) {
  const double periodMs = 1000.0 * jack_get_buffer_size(client) / jack_get_sample_rate(client);
  std::this_thread::sleep_for(
      std::chrono::microseconds(static_cast<long>(1000 * cycles * periodMs)));
}

// JACK makes a new connection part of its graph at the start of a later
// cycle; a message sent through it before that is lost. Waits until the server lists the
// connection and two cycles have passed.
void awaitJackConnection(const std::string& target) {
  jack_status_t status{};
  jack_client_t* client = jack_client_open("fseq_connect", JackNoStartServer, &status);
  if (client == nullptr) return;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  const jack_port_t* port = jack_port_by_name(client, target.c_str());
  while (port != nullptr && jack_port_connected(port) == 0 &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  sleepJackCycles(client, 2);
  jack_client_close(client);
}

// RtMidi's JACK output hands queued messages to the server in its next
// processing cycles; a port closed before then loses them. Gives the server a
// few cycles to take what was sent last.
void awaitJackDelivery() {
  jack_status_t status{};
  jack_client_t* client = jack_client_open("fseq_drain", JackNoStartServer, &status);
  if (client == nullptr) return;
  sleepJackCycles(client, 4);
  jack_client_close(client);
}

class RtMidiOutPort final : public MidiOutPort {
 public:
  RtMidiOutPort(RtMidi::Api api, const std::string& clientName, const std::string& name)
      : port_(api, clientName) {
    openByName(port_, name, "out");
    if (api == RtMidi::UNIX_JACK) awaitJackConnection(name);
  }

  ~RtMidiOutPort() override {
    if (sentAny_ && port_.getCurrentApi() == RtMidi::UNIX_JACK) awaitJackDelivery();
  }

  void send(std::span<const std::uint8_t> bytes) override {
    const std::size_t largest =
        port_.getCurrentApi() == RtMidi::UNIX_JACK ? kLargestJackEvent : bytes.size();
    for (std::size_t sent = 0; sent < bytes.size(); sent += largest) {
      const std::size_t count = std::min(largest, bytes.size() - sent);
      port_.sendMessage(bytes.data() + sent, count);
    }
    sentAny_ = true;
  }

 private:
  RtMidiOut port_;
  bool sentAny_ = false;
};

class RtMidiInPort final : public MidiInPort {
 public:
  RtMidiInPort(RtMidi::Api api, const std::string& clientName, const std::string& name,
               MidiReceiver receiver)
      : receiver_(std::move(receiver)), port_(api, clientName) {
    port_.ignoreTypes(false, false, false);
    port_.setCallback(&RtMidiInPort::received, this);
    openByName(port_, name, "in");
    if (api == RtMidi::UNIX_JACK) awaitJackConnection(name);
  }

  // Closing stops RtMidi's input thread, so no call arrives after this.
  ~RtMidiInPort() override {
    port_.closePort();
    port_.cancelCallback();
  }

 private:
  static void received(double, std::vector<unsigned char>* message, void* self) {
    if (message != nullptr && !message->empty())
      static_cast<RtMidiInPort*>(self)->receiver_(*message);
  }

  MidiReceiver receiver_;
  RtMidiIn port_;
};

bool alsaSequencerPresent() {
  return ::access("/dev/snd/seq", R_OK | W_OK) == 0;
}

// RtMidi's JACK backend does not fail without a server, it just lists
// nothing; asking JACK first gives the user a reason instead.
bool jackServerRunning() {
  // JACK's own complaints about a missing server would only be noise here.
  jack_set_error_function(quiet);
  jack_set_info_function(quiet);
  jack_status_t status{};
  jack_client_t* client = jack_client_open("fseq_probe", JackNoStartServer, &status);
  if (client == nullptr) return false;
  jack_client_close(client);
  return true;
}

std::unique_ptr<RtMidiSystem> jackSystem(const std::string& clientName) {
  if (!jackServerRunning()) throw MidiError("no JACK server is running");
  return std::make_unique<RtMidiSystem>(RtMidi::UNIX_JACK, clientName);
}

// RtMidi reports failures as RtMidiError; the rest of the editor knows MidiError.
template <typename Action>
auto translated(Action action) {
  try {
    return action();
  } catch (const RtMidiError& error) {
    throw MidiError(error.getMessage());
  }
}

}  // namespace

RtMidiSystem::RtMidiSystem(RtMidi::Api api, std::string clientName)
    : api_(api), clientName_(std::move(clientName)) {
  // Creating a client is the test: without an ALSA sequencer this throws.
  translated([&] { return RtMidiIn(api_, clientName_).getPortCount(); });
}

std::vector<std::string> RtMidiSystem::inputNames() {
  return translated([&] {
    RtMidiIn probe(api_, clientName_);
    return portNames(probe);
  });
}

std::vector<std::string> RtMidiSystem::outputNames() {
  return translated([&] {
    RtMidiOut probe(api_, clientName_);
    return portNames(probe);
  });
}

std::unique_ptr<MidiInPort> RtMidiSystem::openInput(const std::string& name,
                                                    MidiReceiver receiver) {
  return translated([&]() -> std::unique_ptr<MidiInPort> {
    return std::make_unique<RtMidiInPort>(api_, clientName_, name, std::move(receiver));
  });
}

std::unique_ptr<MidiOutPort> RtMidiSystem::openOutput(const std::string& name) {
  return translated([&]() -> std::unique_ptr<MidiOutPort> {
    return std::make_unique<RtMidiOutPort>(api_, clientName_, name);
  });
}

std::unique_ptr<RtMidiSystem> openDefaultMidiSystem(const std::string& clientName) {
  const char* chosen = std::getenv("FSEQ_MIDI_API");
  const std::string wanted = chosen == nullptr ? "" : chosen;
  if (wanted == "alsa") return std::make_unique<RtMidiSystem>(RtMidi::LINUX_ALSA, clientName);
  if (wanted == "jack") return jackSystem(clientName);
  if (!wanted.empty())
    throw MidiError("FSEQ_MIDI_API must be \"alsa\" or \"jack\", not \"" + wanted + "\"");
  if (alsaSequencerPresent()) {
    try {
      return std::make_unique<RtMidiSystem>(RtMidi::LINUX_ALSA, clientName);
    } catch (const MidiError&) {
      // A sequencer that cannot be used: JACK may still serve.
    }
  }
  if (jackServerRunning()) return std::make_unique<RtMidiSystem>(RtMidi::UNIX_JACK, clientName);
  throw MidiError(
      "no MIDI system: this machine has no ALSA sequencer (/dev/snd/seq) and no JACK server is "
      "running");
}

}  // namespace fseq
