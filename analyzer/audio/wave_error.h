#pragma once

#include <string>
#include <utility>
#include <variant>

namespace tolk {

// A failure of a wave file operation, with the text and caption of the
// warning box the caller shows for it.
struct WaveError {
  std::string message;
  std::string caption = "Veltrix";

  bool operator==(const WaveError&) const = default;
};

namespace wave_messages {
inline constexpr const char* kCannotOpenFile = "Cannot Open File";
inline constexpr const char* kNotPcmWave = "File is not PCM Wave Format";
inline constexpr const char* kUnsupportedFormat = "Unsupported wave file format";
inline constexpr const char* kRateAbove96k =
    "Sampling rate greater than 96 kHz. Use 'Analyze File' instead.";
inline constexpr const char* kCannotReadWave = "Cannot Read Wave File";
inline constexpr const char* kRecordingNotAvailable = "Recording Not Available";
inline constexpr const char* kMayNotBePcmWave = "File may not be PCM Wave Format";
inline constexpr const char* kCalibrationCaption = "ZORE-Z";
}  // namespace wave_messages

// The value of a wave file operation, or the reason it failed.
template <class T>
class WaveResult {
 public:
  WaveResult(T value) : state_(std::move(value)) {}
  WaveResult(WaveError error) : state_(std::move(error)) {}

  bool ok() const { return state_.index() == 0; }
  const T& value() const { return std::get<0>(state_); }
  T& value() { return std::get<0>(state_); }
  const WaveError& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, WaveError> state_;
};

}  // namespace tolk
