#pragma once

#include <cstdint>
#include <string>

namespace fseq {

enum class LoopMode : std::uint8_t { OneWay = 0, Round = 1 };
enum class PitchMode : std::uint8_t { Fseq = 0, Fixed = 1 };

// The range of one fixed setting, as its control allows it.
struct SettingRange {
  std::int32_t min;
  std::int32_t max;
  std::int32_t clamp(std::int64_t value) const;
};

// The fixed settings that travel with a sequence in its dump.
struct FseqSettings {
  static constexpr SettingRange kLoopRange{0, 512};
  static constexpr SettingRange kSpeedAdjustRange{0, 127};
  static constexpr SettingRange kLevelSensitivityRange{0, 7};
  static constexpr SettingRange kNoteAssignRange{0, 127};
  static constexpr SettingRange kPitchTuningRange{-63, 63};
  static constexpr SettingRange kStartDelayRange{0, 99};
  static constexpr SettingRange kLastValidFrameRange{0, 512};

  std::string fseqName = "fseq Name";  // a dump keeps only its first 8 characters
  std::int32_t loopStart = 0;
  std::int32_t loopEnd = 512;
  LoopMode loopMode = LoopMode::OneWay;
  std::int32_t speedAdjust = 0;
  std::int32_t levelSensitivity = 0;
  PitchMode pitchMode = PitchMode::Fseq;
  std::int32_t noteAssign = 60;
  std::int32_t pitchTuning = 0;
  std::int32_t startDelay = 0;
  std::int32_t lastValidFrame = 512;

  // Brings every numeric setting into the range of its control, as the
  // controls do with what a loader puts in them.
  void clampToRanges();

  // The values Clear All sets, which differ from the start-up values in the
  // name ("Fseq Name") and the note assign (64).
  static FseqSettings afterClearAll();

  friend bool operator==(const FseqSettings&, const FseqSettings&) = default;
};

}  // namespace fseq
