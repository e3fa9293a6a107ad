#include "editor/model/frame_text.h"

#include <cstdint>
#include <vector>

#include "editor/model/file_names.h"
#include "editor/model/text_tokens.h"

namespace fseq {

namespace {

constexpr int kValuesPerFrame = 33;
constexpr std::string_view kSeparator = "  ";
constexpr std::string_view kLineEnd = "\r\n";

struct ParsedFrames {
  std::vector<FseqFrame> frames;  // the first 512
  std::int64_t total = 0;         // all complete or partial frames in the text
  int lastFrameValues = kValuesPerFrame;
};

ParsedFrames parseFrames(std::string_view text) {
  ParsedFrames parsed;
  TextTokens reader(text);
  reader.skipRestOfLine();  // the header
  while (!reader.atEnd()) {
    FseqFrame frame;
    int count = 0;
    for (; count < kValuesPerFrame && !reader.atEnd(); ++count) {
      const TextToken token = reader.next();
      if (count == 0) {
        frame.setPitch(FreqSettings(parseNumber(token)));
      } else if (count <= 8) {
        frame.setVoiced(count - 1, FreqSettings(parseNumber(token)));
      } else if (count <= 16) {
        frame.voicedLevel(count - 9) = parseWholeNumber(token);
      } else if (count <= 24) {
        frame.setUnvoiced(count - 17, FreqSettings(parseNumber(token)));
      } else {
        frame.unvoicedLevel(count - 25) = parseWholeNumber(token);
      }
    }
    reader.skipRestOfLine();
    ++parsed.total;
    parsed.lastFrameValues = count;
    if (parsed.frames.size() < static_cast<std::size_t>(kMaxFrames)) parsed.frames.push_back(frame);
  }
  return parsed;
}

}  // namespace

std::string frameText(const FseqDocument& document) {
  std::string text(kFrameTextHeader);
  text += kLineEnd;
  const auto appendPair = [&text](FreqPair pair) { text += FreqValue(pair.coarse, pair.fine); };
  for (int k = 1; k <= document.frameCount && k <= kMaxFrames; ++k) {
    const FseqFrame& frame = document.frame(k);
    appendPair(frame.pitch());
    for (int j = 0; j < kFormantCount; ++j) {
      text += kSeparator;
      appendPair(frame.voiced(j));
    }
    for (int j = 0; j < kFormantCount; ++j) {
      text += kSeparator;
      text += std::to_string(frame.voicedLevel(j));
    }
    for (int j = 0; j < kFormantCount; ++j) {
      text += kSeparator;
      appendPair(frame.unvoiced(j));
    }
    for (int j = 0; j < kFormantCount; ++j) {
      text += kSeparator;
      text += std::to_string(frame.unvoicedLevel(j));
    }
    text += kLineEnd;
  }
  return text;
}

Report loadFrameText(std::string_view text, std::string_view fileName, FseqDocument& document) {
  const ParsedFrames parsed = parseFrames(text);
  const auto loaded = static_cast<std::int32_t>(parsed.frames.size());

  Report report;
  document.importedFrame = 0;
  document.settings.fseqName = nameWithoutExtension(std::string(fileName));
  addLine(report, "Loading File Name: " + document.settings.fseqName);
  addLine(report, std::string(static_cast<std::size_t>(loaded), '.'));
  std::copy(parsed.frames.begin(), parsed.frames.end(), document.frames.begin());
  addLine(report, std::to_string(loaded) + " Frames Loaded");
  if (parsed.total > kMaxFrames) {
    addLine(report,
            "Warning, only 512 of " + std::to_string(parsed.total) + " Frames were loaded.");
  } else if (loaded < 128) {
    addLine(report, "Warning, only " + std::to_string(loaded) + " Frames were loaded.");
  }
  if (parsed.lastFrameValues < kValuesPerFrame) {
    addLine(report, "Warning: the last frame has only " + std::to_string(parsed.lastFrameValues) +
                        " of 33 values; the others were set to 0.");
  }

  document.frameCount = frameCountFor(loaded);
  FseqSettings& settings = document.settings;
  settings.lastValidFrame = loaded;
  settings.loopStart = 0;
  settings.loopEnd = loaded;
  settings.loopMode = LoopMode::OneWay;
  settings.speedAdjust = 0;
  settings.levelSensitivity = 0;
  settings.pitchMode = PitchMode::Fseq;
  settings.noteAssign = 62;
  settings.pitchTuning = 0;
  settings.startDelay = 0;
  settings.clampToRanges();
  return report;
}

}  // namespace fseq
