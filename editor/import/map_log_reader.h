#pragma once

#include <array>
#include <istream>
#include <optional>
#include <vector>

#include "editor/model/fseq_document.h"

namespace fseq {

// The most frequency columns a map log may have: the import's spectrum holds
// 930 points and the last one closes the list.
inline constexpr int kMaxMapColumns = 929;

// What the map import needs of a map log: its time step, its frequencies and
// the one row of levels (as logged) that each of the 512 frames takes.
struct MapLog {
  double timeStepMs = 0;
  double skipLines = 0;  // log lines passed over between two frames
  std::vector<double> freqHz;
  std::array<std::optional<std::vector<double>>, kMaxFrames> frameRows;  // none once the log ends
};

// The number of log lines passed over between two frames when the given
// seconds are spread over 512 frames.
double mapSkipLines(double seconds, double timeStepMs);

// The data row (0 for the first) that each frame takes, given the lines
// passed over between frames.
std::array<double, kMaxFrames> mapFrameRows(double skipLines);

// Reads a whole map log, checking every line, and keeps the rows the frames
// take. Throws FormatError naming the line for a time step that is not a
// positive number, a frequency line it cannot read or with more than 929
// columns, or a level that is not a number.
MapLog readMapLog(std::istream& in, double seconds);

}  // namespace fseq
