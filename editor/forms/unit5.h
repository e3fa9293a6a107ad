#pragma once

#include <QWidget>

#include "editor/forms/editor_context.h"

class PlotCanvas;
class QLabel;
class QLineEdit;

// The window "Formant Plot": the current frame as a spectrum picture, with
// the imported spectrum under it when the frame is the one last imported.
// A click reads out frequency and level; buttons step through the frames.
class TForm5_Plots : public QWidget {
  Q_OBJECT

 public:
  explicit TForm5_Plots(fseq::EditorContext& context, QWidget* parent = nullptr);

  // Redraws the picture of the current frame.
  void repaintPlot();

  // The file-name label (the last file loaded or imported).
  void setFileName(const QString& name);

  const QImage& plotImage() const;

 protected:
  // Every showing of the window draws the document as it is now.
  void showEvent(QShowEvent* event) override;

 private:
  void plotPressed(QPoint position);
  void stepFrame(int step);
  void frameEditEntered();
  void frameChanged(int frame);

  fseq::EditorContext& context_;
  PlotCanvas* canvas_;
  QLineEdit* frameEdit_;
  QLabel* freqLabel_;
  QLabel* volLabel_;
  QLabel* levelLabel_;
  QLabel* fileNameLabel_;
};
