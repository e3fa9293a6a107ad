#pragma once

#include <QWidget>

#include "editor/forms/editor_context.h"

// The window "Import Settings": the parameters of the spectrum imports.
class TForm6_Settings : public QWidget {
  Q_OBJECT

 public:
  explicit TForm6_Settings(fseq::EditorContext& context, QWidget* parent = nullptr);
};
