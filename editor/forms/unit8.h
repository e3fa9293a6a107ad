#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "editor/forms/editor_context.h"
#include "editor/plots/curve_selection.h"
#include "editor/plots/frame_range.h"
#include "editor/plots/frames_plot.h"

class PlotCanvas;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;

// The window "Frames Plot": the whole sequence as curves over time. The user
// selects frames frameA … frameB with the mouse and applies the section
// operations of the group "Edit Controls" to them; the check boxes choose the
// curves shown and the values the operations change.
class TForm8 : public QWidget {
  Q_OBJECT

 public:
  // How far the mouse selection has got.
  enum class SelectionState { None, Dragging, Made };

  explicit TForm8(fseq::EditorContext& context, QWidget* parent = nullptr);

  // Redraws the plot from the document.
  void repaintPlot();

  // Moves the selection to the current frame and redraws.
  void MoveCursor();

  // The file-name label (the last file loaded or imported).
  void setFileName(const QString& name);

  const QImage& plotImage() const;
  int frameA() const { return frameA_; }
  int frameB() const { return frameB_; }
  SelectionState selectionState() const { return selectionState_; }

 protected:
  // Every showing of the window draws the document as it is now.
  void showEvent(QShowEvent* event) override;

 private:
  // The check boxes of one column ("Freq" or "Level") of a formant group.
  using CheckColumn = std::array<QCheckBox*, fseq::kFormantCount>;

  QGroupBox* buildFormantGroup(const QString& title, const QString& tag, CheckColumn& freqs,
                               CheckColumn& levels);
  QWidget* buildViewControls();
  QGroupBox* buildEditControls();
  QSlider* addSliderRow(QGridLayout* grid, int row, const char* buttonName, const QString& caption,
                        const char* name, int minimum, int maximum, int value, int tick,
                        const std::function<QString(int)>& shown,
                        const std::function<void()>& operation);
  void toggleColumn(CheckColumn& column);

  void plotPressed(QPoint position);
  void plotMoved(QPoint position);
  void plotReleased(QPoint position);
  void stepCursor(int step);
  void showSelectionLabels();

  // Saves the undo copy, runs an operation and shows the changed sequence.
  void runSectionEdit(const std::function<void()>& operation);
  void sequenceChanged();
  fseq::CurveSelection curveSelection() const;
  fseq::MaxFreq maxFreq() const;
  fseq::FrameRange selectedRange() const { return {frameA_, frameB_}; }

  fseq::EditorContext& context_;
  int frameA_ = 1;
  int frameB_ = fseq::kMaxFrames;
  SelectionState selectionState_ = SelectionState::None;

  PlotCanvas* canvas_;
  CheckColumn voicedFreq_{};
  CheckColumn voicedLevel_{};
  CheckColumn unvoicedFreq_{};
  CheckColumn unvoicedLevel_{};
  QCheckBox* pitch_;
  std::array<QRadioButton*, 4> maxFreqButtons_{};
  QLabel* maxLabel_;
  QLabel* frameALabel_;
  QLabel* frameBLabel_;
  QLabel* levelLabel_;
  QLabel* freqLabel_;
  QLabel* fileNameLabel_;
  QSlider* smoothFreqs_;
  QSlider* smoothLevels_;
  QSlider* reduceLevel_;
  QSlider* stretch_;
};
