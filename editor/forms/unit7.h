#pragma once

#include <QWidget>

#include "editor/forms/editor_context.h"

// The window "FS1R UpLoad": MIDI devices, the upload of the sequence to an
// FS1R, its live settings and the upload mixer.
class TForm7 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm7(fseq::EditorContext& context, QWidget* parent = nullptr);
};
