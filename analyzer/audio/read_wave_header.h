#pragma once

#include <filesystem>

#include "analyzer/audio/wave_error.h"
#include "analyzer/audio/wave_file_info.h"

namespace tolk {

// The readers of wave files differ in what they accept and in their messages.
enum class WaveReader {
  ScanFile,         // playback analysis: at most 96000 Hz
  AnalyzeFile,      // file analysis and batch: higher rates go the ultrasound way
  CalibrationTone,  // cal.wav: only the chunks are checked; played as PCM
};

struct WaveHeaderResult {
  WaveFileInfo info;
  // The file to read the samples from: the given one, or mod.wav in the
  // scratch folder when 8-bit or float samples had to be converted.
  std::filesystem::path soundFile;
};

// Reads and checks the header of `file` for `reader`. The file analysis
// readers accept PCM (1), float (3) and extensible (0xFFFE) files of one or
// two channels with 16- or 24-bit samples; 8-bit and 32-bit float files are
// first converted into mod.wav in scratchFolder. Anything else is refused
// with the reader's message.
WaveResult<WaveHeaderResult> readWaveHeader(const std::filesystem::path& file, WaveReader reader,
                                            const std::filesystem::path& scratchFolder);

}  // namespace tolk
