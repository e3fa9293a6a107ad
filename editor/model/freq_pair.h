#pragma once

#include <cstdint>
#include <string>

// The two frequency encodings of the editor and the conversions between them.
//
// A FreqPair is how the editor holds a frequency: coarse counts octaves
// (0 … 21) and fine counts 128ths of an octave (0 … 127), so
//   Hz = 2^(coarse − 1) × 0.013435364 × 1.005429901^fine.
// The FS1R bulk dump stores the same frequency as two 7-bit bytes whose 14-bit
// value is (41 + 4 × coarse) × 128 + round(3.98 × fine): 512 steps per octave.
namespace fseq {

struct FreqPair {
  std::int32_t coarse = 0;
  std::int32_t fine = 0;

  friend bool operator==(const FreqPair&, const FreqPair&) = default;
};

// The two bytes of a frequency inside a dump, high byte first.
struct DumpFreqBytes {
  std::uint8_t high = 0;
  std::uint8_t low = 0;

  friend bool operator==(const DumpFreqBytes&, const DumpFreqBytes&) = default;
};

inline constexpr std::int32_t kMaxCoarse = 21;
inline constexpr std::int32_t kMaxFine = 127;

// The frequency of a pair in Hz; coarse and fine are first clamped to their ranges.
double FreqValue2(std::int32_t coarse, std::int32_t fine);

// The pair whose frequency is the first one at or above hz. Fine is 1 … 127
// (a frequency just below the next octave gets fine 127); anything at or below
// the lowest pair, and anything that is not a number, gives (0, 0).
FreqPair FreqSettings(double hz);

// The frequency of a pair as text: 3 decimals below 10 Hz, 2 below 100 Hz,
// 1 below 1000 Hz and none from there on ("0.215", "100.4", "1003").
std::string FreqValue(std::int32_t coarse, std::int32_t fine);

// The dump bytes of a pair. A pair above the highest value the dump can carry
// (coarse 21 with fine 97 or more) gives 7F 7F, so no byte exceeds 7F.
DumpFreqBytes FS1RToFseq(std::int32_t coarse, std::int32_t fine);

// The pair of two dump bytes.
FreqPair FseqToFS1R(std::uint8_t high, std::uint8_t low);

}  // namespace fseq
