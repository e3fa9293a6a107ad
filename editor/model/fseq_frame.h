#pragma once

#include <array>
#include <cstdint>

#include "editor/model/freq_pair.h"

namespace fseq {

inline constexpr int kFormantCount = 8;

// One frame of a formant sequence: a pitch and eight voiced and eight unvoiced
// formants, each a frequency pair and a level (0 silent … 127 loudest), held as
// 50 plain integers in this order:
//   0 pitch coarse, 1 pitch fine,
//   2 … 9 voiced coarse, 10 … 17 voiced fine, 18 … 25 voiced level,
//   26 … 33 unvoiced coarse, 34 … 41 unvoiced fine, 42 … 49 unvoiced level.
// Formants are numbered 0 … 7 in the accessors.
struct FseqFrame {
  enum Offset : int {
    kPitchCoarse = 0,
    kPitchFine = 1,
    kVoicedCoarse = 2,
    kVoicedFine = 10,
    kVoicedLevel = 18,
    kUnvoicedCoarse = 26,
    kUnvoicedFine = 34,
    kUnvoicedLevel = 42,
  };
  static constexpr int kValueCount = 50;

  std::array<std::int32_t, kValueCount> values{};

  FreqPair pitch() const { return {values[kPitchCoarse], values[kPitchFine]}; }
  void setPitch(FreqPair pair) { setPair(kPitchCoarse, kPitchFine, pair); }

  FreqPair voiced(int formant) const {
    return {values[kVoicedCoarse + formant], values[kVoicedFine + formant]};
  }
  void setVoiced(int formant, FreqPair pair) {
    setPair(kVoicedCoarse + formant, kVoicedFine + formant, pair);
  }
  std::int32_t& voicedLevel(int formant) { return values[kVoicedLevel + formant]; }
  std::int32_t voicedLevel(int formant) const { return values[kVoicedLevel + formant]; }

  FreqPair unvoiced(int formant) const {
    return {values[kUnvoicedCoarse + formant], values[kUnvoicedFine + formant]};
  }
  void setUnvoiced(int formant, FreqPair pair) {
    setPair(kUnvoicedCoarse + formant, kUnvoicedFine + formant, pair);
  }
  std::int32_t& unvoicedLevel(int formant) { return values[kUnvoicedLevel + formant]; }
  std::int32_t unvoicedLevel(int formant) const { return values[kUnvoicedLevel + formant]; }

  friend bool operator==(const FseqFrame&, const FseqFrame&) = default;

 private:
  void setPair(int coarseIndex, int fineIndex, FreqPair pair) {
    values[coarseIndex] = pair.coarse;
    values[fineIndex] = pair.fine;
  }
};

}  // namespace fseq
