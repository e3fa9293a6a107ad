#include "editor/midi/pumping_clock.h"

#include <algorithm>

namespace fseq {

void PumpingClock::sleepMs(std::int64_t ms) {
  const std::int64_t end = clock_.nowMs() + ms;
  for (std::int64_t left = ms; left > 0; left = end - clock_.nowMs()) {
    pump_();
    if (cancelled_) throw PauseCancelled();
    clock_.sleepMs(std::min(left, kStepMs));
  }
  pump_();
  if (cancelled_) throw PauseCancelled();
}

}  // namespace fseq
