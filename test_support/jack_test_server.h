#pragma once

#include <jack/jack.h>
#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

#include "test_support/temp_dir.h"

namespace test_support {

// A JACK server of a test's own: jackd with the dummy driver, no real-time
// scheduling and a name no other run uses. While it runs, the JACK clients of
// this process (RtMidi's and RtAudio's included) connect to it. What jackd
// prints goes to a log that every error message carries. Stopped by its
// process id when the object goes away.
//
// Tests that start one run one at a time (their executables hold a CTest
// resource lock): two servers started at the same moment have been seen to
// refuse clients.
class JackTestServer {
 public:
  static constexpr int kSampleRate = 48000;
  static constexpr int kPeriodFrames = 2048;

  // Why no server can be started here (jackd is not installed), or nothing.
  static std::optional<std::string> unavailableReason();

  // Starts the server (std::runtime_error when jackd is missing) and waits until it has taken a
  // client of its own, which stays open while the server runs. A server that does not come up
  // within 10 s is given one more try under a new name; then std::runtime_error.
  JackTestServer();
  ~JackTestServer();
  JackTestServer(const JackTestServer&) = delete;
  JackTestServer& operator=(const JackTestServer&) = delete;

  const std::string& name() const { return name_; }
  static double periodMs() { return 1000.0 * kPeriodFrames / kSampleRate; }

  // Opens a client of this server, waiting up to 5 s while the server is busy.
  // Throws std::runtime_error with JACK's status and the server's log.
  jack_client_t* openClient(const std::string& clientName);

  // What jackd has printed so far.
  std::string log() const;

 private:
  bool start(std::string& failure);
  jack_client_t* tryOpen(const std::string& clientName, int timeoutMs, std::string& failure);
  bool running();
  void stop();

  std::filesystem::path jackd_;
  TempDir folder_;
  std::string name_;
  pid_t pid_ = -1;
  int exitStatus_ = 0;
  jack_client_t* anchor_ = nullptr;
};

}  // namespace test_support
