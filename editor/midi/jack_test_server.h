#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace fseq {

// A JACK server of its own for a test: jackd with the dummy driver, no
// real-time scheduling and a name no other run uses. While it runs, the JACK
// clients of this process (RtMidi's included) connect to it. Stopped by its
// process id when the object goes away.
class JackTestServer {
 public:
  static constexpr int kSampleRate = 48000;
  static constexpr int kPeriodFrames = 2048;

  // Why no server can be started here (jackd is not installed), or nothing.
  static std::optional<std::string> unavailableReason();

  // Throws std::runtime_error when the server does not come up within 10 s.
  JackTestServer();
  ~JackTestServer();
  JackTestServer(const JackTestServer&) = delete;
  JackTestServer& operator=(const JackTestServer&) = delete;

  const std::string& name() const { return name_; }
  static double periodMs() { return 1000.0 * kPeriodFrames / kSampleRate; }

 private:
  void stop();

  std::string name_;
  pid_t pid_ = -1;
};

}  // namespace fseq
