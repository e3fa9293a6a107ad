#include "editor/import/map_log_reader.h"

#include <cmath>
#include <string>
#include <string_view>

#include "editor/model/errors.h"
#include "editor/model/text_tokens.h"

namespace fseq {

namespace {

constexpr int kTimeStepLine = 7;
constexpr int kFrequencyLine = 11;

[[noreturn]] void throwAt(int line, const std::string& problem) {
  throw FormatError("line " + std::to_string(line) + ": " + problem);
}

bool readLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

// The comma-separated fields of a line after its first one ("Freq" or
// "Time 120 msec"); the empty field after the trailing ", " is dropped.
std::vector<std::string_view> fieldsAfterFirst(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = line.find(',');
  while (start != std::string_view::npos) {
    const std::size_t end = line.find(',', start + 1);
    const std::string_view field = trimmed(line.substr(start + 1, end - start - 1));
    if (!field.empty() || end != std::string_view::npos) fields.push_back(field);
    start = end;
  }
  return fields;
}

double timeStepOf(const std::string& line) {
  TextTokens tokens(line);
  if (tokens.atEnd()) throwAt(kTimeStepLine, "the time step is missing");
  TextToken token = tokens.next();
  token.line = kTimeStepLine;
  const double timeStepMs = parseNumber(token);
  if (!(timeStepMs > 0)) {
    throwAt(kTimeStepLine, "the time step " + std::string(token.text) +
                               " is not a positive number of milliseconds");
  }
  return timeStepMs;
}

std::vector<double> frequenciesOf(const std::string& line) {
  if (!line.starts_with("Freq")) {
    throwAt(kFrequencyLine, "the frequency line does not start with \"Freq\"");
  }
  std::vector<double> freqHz;
  for (std::string_view field : fieldsAfterFirst(line)) {
    if (field.ends_with("Hz")) field = trimmed(field.substr(0, field.size() - 2));
    freqHz.push_back(parseNumber({field, kFrequencyLine}));
  }
  if (freqHz.empty()) throwAt(kFrequencyLine, "the frequency line holds no frequencies");
  if (freqHz.size() > static_cast<std::size_t>(kMaxMapColumns)) {
    throwAt(kFrequencyLine, "the log has " + std::to_string(freqHz.size()) +
                                " frequency columns; at most " + std::to_string(kMaxMapColumns) +
                                " can be imported");
  }
  return freqHz;
}

std::vector<double> levelsOf(const std::string& line, int lineNumber, std::size_t columns) {
  std::vector<double> levels;
  for (std::string_view field : fieldsAfterFirst(line)) {
    const double level = parseNumber({field, lineNumber});
    if (levels.size() < columns) levels.push_back(level);
  }
  return levels;
}

}  // namespace

double mapSkipLines(double seconds, double timeStepMs) {
  return seconds * 1000 / (timeStepMs * kMaxFrames) - 0.99;
}

std::array<double, kMaxFrames> mapFrameRows(double skipLines) {
  std::array<double, kMaxFrames> rows{};
  double next = 0;  // the next row not yet read or passed over
  double acc = 0;
  for (double& row : rows) {
    if (acc > 0) {
      // Passing over one line at a time while acc > 0, in one step.
      const double passed = std::ceil(acc);
      next += passed;
      acc -= passed;
    }
    acc += skipLines;
    row = next;
    next += 1;
  }
  return rows;
}

MapLog readMapLog(std::istream& in, double seconds) {
  MapLog log;
  std::string line;
  int lineNumber = 0;
  const auto nextLine = [&](const char* purpose) {
    if (!readLine(in, line)) {
      throw FormatError("the file ends at line " + std::to_string(lineNumber) + ", before " +
                        purpose);
    }
    ++lineNumber;
  };
  while (lineNumber < kTimeStepLine) nextLine("the time step (line 7)");
  log.timeStepMs = timeStepOf(line);
  log.skipLines = mapSkipLines(seconds, log.timeStepMs);
  while (lineNumber < kFrequencyLine) nextLine("the frequency line (line 11)");
  log.freqHz = frequenciesOf(line);

  const std::array<double, kMaxFrames> frameRows = mapFrameRows(log.skipLines);
  std::size_t frame = 0;
  for (double row = 0; readLine(in, line); ++row) {
    ++lineNumber;
    std::vector<double> levels = levelsOf(line, lineNumber, log.freqHz.size());
    if (frame < frameRows.size() && frameRows[frame] == row) {
      log.frameRows[frame++] = std::move(levels);
    }
  }
  if (in.bad()) throw FormatError("reading stopped at line " + std::to_string(lineNumber));
  return log;
}

}  // namespace fseq
