#include "editor/forms/frame_number.h"

namespace fseq {

std::optional<int> frameNumberFromText(const QString& text) {
  bool ok = false;
  const int number = text.trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return number;
}

void showNotAFrameNumber(const EditorContext& context, const QString& text) {
  context.ui.message(kApplicationTitle,
                     QString("\"%1\" is not a frame number. Type a whole number from 1 to %2.")
                         .arg(text)
                         .arg(context.document.frameCount),
                     MessageIcon::Warning);
}

}  // namespace fseq
