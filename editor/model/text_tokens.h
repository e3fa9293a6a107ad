#pragma once

#include <cstdint>
#include <string_view>

namespace fseq {

// A whitespace-separated value in a text file and the line it is on.
struct TextToken {
  std::string_view text;
  int line = 0;
};

// Reads a text as a stream of whitespace-separated values (blanks, tabs and
// line ends all separate), keeping count of lines so errors can name them.
class TextTokens {
 public:
  explicit TextTokens(std::string_view text) : text_(text) {}

  // True when nothing but separators is left.
  bool atEnd();
  // The next value; atEnd() must be false.
  TextToken next();
  // Passes over the rest of the current line, its line end included.
  void skipRestOfLine();
  void skipLines(int count);

 private:
  void skipSeparators();

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

// The value as a finite number ("12", "+1.5e2", ".5"); anything else throws
// FormatError naming the token's line.
double parseNumber(const TextToken& token);

// The value as a whole number that fits 32 bits; anything else throws
// FormatError naming the token's line.
std::int32_t parseWholeNumber(const TextToken& token);

}  // namespace fseq
