#pragma once

#include <array>
#include <string>
#include <vector>

// Test fixtures: map logs as the analyzer writes them, of a synthetic voice
// whose pitch and formants are known.
namespace fseq::testing {

// One moment of the voice: its pitch and three formants, in Hz.
struct VoiceMoment {
  double pitchHz;
  std::array<double, 3> formantHz;
};

// The logged levels (dB/Hz − 90, whole numbers) of a harmonic voice: each
// harmonic of the pitch shaped by a −6 dB per octave tilt and a resonance at
// each formant, everything else at the floor.
std::vector<int> voiceRow(const VoiceMoment& voice, int columns, double binHz);

// A complete map log: 44100 Hz, 4096 points, the given columns from 0 Hz on,
// the time step, and one row of levels per entry of rows.
std::string mapLogText(double timeStepMs, int columns, const std::vector<std::vector<int>>& rows);

inline constexpr double kBinHz = 44100.0 / 4096;

}  // namespace fseq::testing
