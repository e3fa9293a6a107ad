#include "editor/midi/pumping_clock.h"

#include <gtest/gtest.h>

#include "editor/midi/manual_clock.h"

namespace fseq {
namespace {

TEST(PumpingClock, WaitsTheWholeTimeInStepsAndPumpsBetween) {
  ManualClock clock;
  int pumps = 0;
  PumpingClock pumping(clock, [&] { ++pumps; });
  pumping.sleepMs(150);
  EXPECT_EQ(clock.nowMs(), 150);
  EXPECT_EQ(clock.sleeps(), std::vector<std::int64_t>(15, 10));
  EXPECT_EQ(pumps, 16);
  pumping.sleepMs(25);
  EXPECT_EQ(clock.nowMs(), 175);
  EXPECT_EQ(clock.sleeps().back(), 5);
}

TEST(PumpingClock, ACancelFromThePumpEndsTheWait) {
  ManualClock clock;
  int pumps = 0;
  PumpingClock* self = nullptr;
  PumpingClock pumping(clock, [&] {
    if (++pumps == 3) self->cancel();
  });
  self = &pumping;
  EXPECT_THROW(pumping.sleepMs(150), PauseCancelled);
  EXPECT_EQ(clock.nowMs(), 20);
  EXPECT_THROW(pumping.sleepMs(0), PauseCancelled);
}

}  // namespace
}  // namespace fseq
