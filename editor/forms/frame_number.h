#pragma once

#include <QString>
#include <optional>

#include "editor/forms/editor_context.h"

// The frame number boxes of the value editor and the formant plot.
namespace fseq {

// The number typed, when the text is a whole number (blanks around it are
// allowed); the caller limits it to the frame count.
std::optional<int> frameNumberFromText(const QString& text);

// Tells the user that a typed frame number is not one.
void showNotAFrameNumber(const EditorContext& context, const QString& text);

}  // namespace fseq
