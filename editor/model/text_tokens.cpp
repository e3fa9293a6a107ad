#include "editor/model/text_tokens.h"

#include <charconv>
#include <cmath>
#include <string>

#include "editor/model/errors.h"

namespace fseq {

namespace {

bool isSeparator(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

[[noreturn]] void throwAt(const TextToken& token, std::string_view problem) {
  throw FormatError("line " + std::to_string(token.line) + ": \"" + std::string(token.text) +
                    "\" " + std::string(problem));
}

// from_chars takes no leading '+', which number readers usually accept.
std::string_view withoutPlus(std::string_view text) {
  return (text.size() > 1 && text[0] == '+') ? text.substr(1) : text;
}

}  // namespace

bool TextTokens::atEnd() {
  skipSeparators();
  return pos_ >= text_.size();
}

TextToken TextTokens::next() {
  skipSeparators();
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !isSeparator(text_[pos_])) ++pos_;
  return {text_.substr(start, pos_ - start), line_};
}

void TextTokens::skipRestOfLine() {
  while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
  if (pos_ < text_.size()) {
    ++pos_;
    ++line_;
  }
}

void TextTokens::skipLines(int count) {
  for (int i = 0; i < count; ++i) skipRestOfLine();
}

void TextTokens::skipSeparators() {
  while (pos_ < text_.size() && isSeparator(text_[pos_])) {
    if (text_[pos_] == '\n') ++line_;
    ++pos_;
  }
}

double parseNumber(const TextToken& token) {
  const std::string_view digits = withoutPlus(token.text);
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(value)) {
    throwAt(token, "is not a number");
  }
  return value;
}

std::int32_t parseWholeNumber(const TextToken& token) {
  const std::string_view digits = withoutPlus(token.text);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error == std::errc::result_out_of_range) throwAt(token, "is out of range");
  if (error != std::errc{} || end != digits.data() + digits.size()) {
    throwAt(token, "is not a whole number");
  }
  return value;
}

}  // namespace fseq
