#pragma once

#include <functional>
#include <stdexcept>

#include "editor/midi/clock.h"

namespace fseq {

// Thrown out of a pause when the wait was called off.
class PauseCancelled : public std::runtime_error {
 public:
  PauseCancelled() : std::runtime_error("cancelled") {}
};

// Waits on another clock in short steps and runs `pump` between them, so a
// window keeps painting while a paced sequence waits. Once cancel() is called
// every wait throws PauseCancelled.
class PumpingClock final : public Clock {
 public:
  static constexpr std::int64_t kStepMs = 10;

  PumpingClock(Clock& clock, std::function<void()> pump) : clock_(clock), pump_(std::move(pump)) {}

  std::int64_t nowMs() const override { return clock_.nowMs(); }
  void sleepMs(std::int64_t ms) override;

  void cancel() { cancelled_ = true; }

 private:
  Clock& clock_;
  std::function<void()> pump_;
  bool cancelled_ = false;
};

}  // namespace fseq
