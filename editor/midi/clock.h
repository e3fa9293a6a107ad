#pragma once

#include <cstdint>

namespace fseq {

// Milliseconds for the paced MIDI sequences: the upload and "Initialize FS1R"
// wait between messages through sleepMs, so tests can run them on a manual
// clock while the program uses the real one.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t nowMs() const = 0;
  virtual void sleepMs(std::int64_t ms) = 0;
};

// The machine's monotonic clock; sleepMs blocks the calling thread.
class SystemClock final : public Clock {
 public:
  std::int64_t nowMs() const override;
  void sleepMs(std::int64_t ms) override;
};

}  // namespace fseq
