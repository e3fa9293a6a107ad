#pragma once

#include <vector>

namespace tolk {

// 10 log10(power) rounded half away from zero, for the many values of a map
// log: instead of a logarithm per value, the power is compared with the
// powers at which the rounded level steps, starting from a guess taken from
// its binary exponent (an octave spans about 3 dB). A power that is not above
// 0 gives 0; powers beyond the table take the logarithm.
class WholeDecibels {
 public:
  WholeDecibels();
  int level(double power) const;

 private:
  static constexpr int kLowestDb = -400;
  static constexpr int kHighestDb = 400;
  // stepUp_[i]: the smallest power whose level is kLowestDb + i or more.
  std::vector<double> stepUp_;
};

}  // namespace tolk
