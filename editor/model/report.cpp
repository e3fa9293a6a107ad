#include "editor/model/report.h"

#include <cstdio>

namespace fseq {

std::string fixedPoint(double value, int decimals) {
  char text[352];  // room for the largest double in fixed notation
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

}  // namespace fseq
