#pragma once

#include <array>

#include "editor/model/fseq_frame.h"

namespace fseq {

// Which curves the frames plot shows, which are also the values its smoothing
// and level operations change: the check boxes "Freq1" … "Freq8" and
// "Lvl1" … "Lvl8" of the voiced and unvoiced groups and the pitch's
// "Frequency". Formants are numbered 0 … 7.
struct CurveSelection {
  std::array<bool, kFormantCount> voicedFreq{true, true, true, true, true, true, true, true};
  std::array<bool, kFormantCount> voicedLevel{true, true, true, true, true, true, true, true};
  std::array<bool, kFormantCount> unvoicedFreq{true, true, true, true, true, true, true, true};
  std::array<bool, kFormantCount> unvoicedLevel{true, true, true, true, true, true, true, true};
  bool pitch = true;
};

}  // namespace fseq
