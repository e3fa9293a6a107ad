#pragma once

namespace tolk::analysis_messages {

// The messages with which a file analysis refuses a file or a request.
inline constexpr const char* kTimeScaleTooSmall = "Time Scale Too Small";
inline constexpr const char* kImproperBeginOrEnd = "Improper Begin or End";
inline constexpr const char* kRateOutOfRange = "Sampling Rate Out of Range";
inline constexpr const char* kNotEnoughMemory = "Not enough memory";
inline constexpr const char* kUltrasoundWarning =
    "     Sampling rate is greater than 96000 Hz.\nFile will be analyzed as UltraSound recording.";
inline constexpr const char* kSliceBeyondSegment =
    "Time Slice Needs One FFT Block Inside the Analysed Segment";
inline constexpr const char* kSliceNotForDual = "Time Slice Not Available With Dual Channels";

}  // namespace tolk::analysis_messages
