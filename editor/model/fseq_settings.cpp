#include "editor/model/fseq_settings.h"

#include <algorithm>

namespace fseq {

std::int32_t SettingRange::clamp(std::int64_t value) const {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, min, max));
}

void FseqSettings::clampToRanges() {
  loopStart = kLoopRange.clamp(loopStart);
  loopEnd = kLoopRange.clamp(loopEnd);
  speedAdjust = kSpeedAdjustRange.clamp(speedAdjust);
  levelSensitivity = kLevelSensitivityRange.clamp(levelSensitivity);
  noteAssign = kNoteAssignRange.clamp(noteAssign);
  pitchTuning = kPitchTuningRange.clamp(pitchTuning);
  startDelay = kStartDelayRange.clamp(startDelay);
  lastValidFrame = kLastValidFrameRange.clamp(lastValidFrame);
}

FseqSettings FseqSettings::afterClearAll() {
  FseqSettings settings;
  settings.fseqName = "Fseq Name";
  settings.noteAssign = 64;
  return settings;
}

}  // namespace fseq
