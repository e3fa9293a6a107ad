#pragma once

#include <cstdint>
#include <vector>

#include "editor/midi/clock.h"

namespace fseq {

// A clock for tests: time stands still until someone sleeps, and every sleep
// is remembered.
class ManualClock final : public Clock {
 public:
  std::int64_t nowMs() const override { return nowMs_; }
  void sleepMs(std::int64_t ms) override {
    sleeps_.push_back(ms);
    nowMs_ += ms;
  }
  const std::vector<std::int64_t>& sleeps() const { return sleeps_; }

 private:
  std::int64_t nowMs_ = 0;
  std::vector<std::int64_t> sleeps_;
};

}  // namespace fseq
