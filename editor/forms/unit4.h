#pragma once

#include "editor/forms/editor_context.h"
#include "editor/forms/picture_window.h"

// The picture window "Note Frequencies", opened from the frame value editor.
class TForm4 : public PictureWindow {
 public:
  explicit TForm4(fseq::EditorContext& context, QWidget* parent = nullptr);
};
