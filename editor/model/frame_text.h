#pragma once

#include <string>
#include <string_view>

#include "editor/model/fseq_document.h"
#include "editor/model/report.h"

// The frame text file: a header line, then one line per frame with 33 values
// two blanks apart (pitch, F1 … F8 in Hz, L1 … L8, UF1 … UF8 in Hz,
// UL1 … UL8), lines ending in CR LF.
namespace fseq {

inline constexpr std::string_view kFrameTextHeader =
    "Fseq Pitch, F1, F2, F3, F4, F5, F6, F7, F8, L1, L2, L3, L4, L5, L6, L7, L8, "
    "UF1, UF2, UF3, UF4, UF5, UF6, UF7, UF8, UL1, UL2, UL3, UL4, UL5, UL6, UL7, UL8";

// The text of the document's frameCount frames.
std::string frameText(const FseqDocument& document);

// Reads frame text into the document. The header line is skipped; after it
// the values are a stream of numbers separated by blanks, tabs and line ends,
// 33 to a frame, and the rest of the line after a frame's last value is
// ignored. The whole text is checked first: a value that is not a number
// throws FormatError naming its line (the header is line 1) and leaves the
// document unchanged. Otherwise frames 1 … n are replaced (at most 512), the
// frame count follows n, the fixed settings are reset for a loaded text and
// the name becomes the file name without its extension. Returns the report.
Report loadFrameText(std::string_view text, std::string_view fileName, FseqDocument& document);

}  // namespace fseq
