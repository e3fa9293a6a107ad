#pragma once

#include <cstdint>

// The editor's rounding rules: round to the nearest integer with ties to even,
// and trunc, which drops the fraction. Every rounding in the editor goes
// through these two so that results match across the document, the dump and
// the plots.
namespace fseq {

std::int64_t roundHalfEven(double value);
std::int64_t truncate(double value);

}  // namespace fseq
