#pragma once

#include <cstdint>

namespace tolk {

// Spectrum levels are stored as codes in quarter decibels: 40 log10(power),
// rounded half away from zero, where power is a power density N * M^2 / rate
// (or a mean of such values). A power that is not above 0 (or not a number)
// gives 0, which also stands for "no energy".
std::int16_t levelCode(double power);

// The display palette entry of a level code on the scale levelMinDb ...
// levelMaxDb (internal decibels): 240 steps across the range, limited to the
// ramp entries 4 ... 235. A code of 0 (no energy) gives the lowest entry, 4.
int paletteIndex(int code, int levelMinDb, int levelMaxDb);

}  // namespace tolk
