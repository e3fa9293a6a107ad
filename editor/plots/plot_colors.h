#pragma once

#include <QColor>

// The colours both plots draw with.
namespace fseq::plot_colors {

inline const QColor kHotLight{0, 102, 204};  // the desktop's hyperlink ("hot-light") colour
inline const QColor kNavy{0, 0, 128};
inline const QColor kBlue{0, 0, 255};
inline const QColor kLime{0, 255, 0};
inline const QColor kGreen{0, 128, 0};
inline const QColor kRed{255, 0, 0};
inline const QColor kYellow{255, 255, 0};
inline const QColor kOrange{0xE4, 0x78, 0x33};
inline const QColor kGrey{128, 128, 128};
inline const QColor kWindow{240, 240, 240};  // the window background around a plot

}  // namespace fseq::plot_colors
