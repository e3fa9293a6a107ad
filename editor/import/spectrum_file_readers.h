#pragma once

#include <string_view>
#include <vector>

// Readers of the two single-spectrum files: an Audacity spectrum export and a
// Linear-scale slice log. Both read and check the whole text before anything
// is imported; a value that is not a number throws FormatError naming its line.
namespace fseq {

struct SpectrumPoints {
  std::vector<double> freqHz;
  std::vector<double> levelDb;
};

// An Audacity export: a header line, then frequency and level pairs; the
// first 930 are kept.
SpectrumPoints readAudacitySpectrum(std::string_view text);

// A slice log: ten header lines, then point number, frequency and level
// triples; the first 743 are kept. Logs of the Log or 1/3 octave scale hold
// pairs, not triples, and are refused.
SpectrumPoints readSliceLogSpectrum(std::string_view text);

inline constexpr int kAudacityPoints = 930;
inline constexpr int kSlicePoints = 743;

}  // namespace fseq
