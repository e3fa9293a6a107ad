#pragma once

namespace tolk {

// The parts of the window geometry that decide an analysis grid (pixels).
struct ImageLayout {
  int imageLeft = 0;       // width of the frequency-label margin
  int imageRight = 0;      // right edge of the image area
  int imageHeight = 0;     // height of the image area above the time scroll bar
  int timeAxisHeight = 0;  // the time-label band at the bottom of the image area
  int stripHeight = 0;     // the waveform strip of the Scroll 2 display
  int scopePoints = 0;     // points of the spectrum plot of the Scope displays
};

enum class DisplayMode { Scroll1, Scroll2 };
enum class ChannelSelect { Dual, Left, Right };

// Rows of the spectrum band: Scroll 1 everything above the time labels,
// Scroll 2 that minus the waveform strip.
int spectrumRows(const ImageLayout& layout, DisplayMode mode);

// Columns on screen: for stereo material shown as Dual, those of one half.
int visibleColumns(const ImageLayout& layout, bool dual);

// Display time per column: the display width spread over the visible
// columns, 10 ms when that gives 0.
double msPerColumnFor(double displayWidthSeconds, const ImageLayout& layout, bool dual);

}  // namespace tolk
