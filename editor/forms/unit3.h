#pragma once

#include "editor/forms/editor_context.h"
#include "editor/forms/picture_window.h"

// The picture window "Midi Note Numbers", opened beside "Note Assign".
class TForm3 : public PictureWindow {
 public:
  explicit TForm3(fseq::EditorContext& context, QWidget* parent = nullptr);
};
