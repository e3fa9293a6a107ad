#include "editor/import/spectrum_file_readers.h"

#include <string>

#include "editor/model/errors.h"
#include "editor/model/text_tokens.h"

namespace fseq {

namespace {

constexpr int kSliceHeaderLines = 10;
constexpr int kSliceScaleLine = 4;

std::string_view lineOf(std::string_view text, int number) {
  std::size_t start = 0;
  for (int line = 1; line < number; ++line) {
    start = text.find('\n', start);
    if (start == std::string_view::npos) return {};
    ++start;
  }
  std::string_view line = text.substr(start, text.find('\n', start) - start);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

[[noreturn]] void throwMissing(const TextToken& after, std::string_view what) {
  throw FormatError("line " + std::to_string(after.line) + ": the " + std::string(what) +
                    " after \"" + std::string(after.text) + "\" is missing");
}

// Up to maxPoints frequency and level pairs from the tokens, each pair after a
// point number when the file numbers its points; at least one is needed.
SpectrumPoints readPoints(TextTokens& tokens, int maxPoints, bool numbered) {
  SpectrumPoints points;
  while (static_cast<int>(points.freqHz.size()) < maxPoints && !tokens.atEnd()) {
    TextToken freq = tokens.next();
    if (numbered) {
      parseWholeNumber(freq);
      if (tokens.atEnd()) throwMissing(freq, "frequency");
      freq = tokens.next();
    }
    if (tokens.atEnd()) throwMissing(freq, "level");
    const TextToken level = tokens.next();
    points.freqHz.push_back(parseNumber(freq));
    points.levelDb.push_back(parseNumber(level));
  }
  if (points.freqHz.empty()) throw FormatError("the file holds no spectrum points");
  return points;
}

}  // namespace

SpectrumPoints readAudacitySpectrum(std::string_view text) {
  TextTokens tokens(text);
  tokens.skipRestOfLine();
  return readPoints(tokens, kAudacityPoints, false);
}

SpectrumPoints readSliceLogSpectrum(std::string_view text) {
  const std::string_view scale = lineOf(text, kSliceScaleLine);
  if (scale.ends_with("Frequency Scale")) {
    throw FormatError("line 4: \"" + std::string(scale) +
                      "\": only slice logs of the Linear frequency scale can be imported");
  }
  TextTokens tokens(text);
  tokens.skipLines(kSliceHeaderLines);
  return readPoints(tokens, kSlicePoints, true);
}

}  // namespace fseq
