#pragma once

#include <QWidget>
#include <vector>

#include "editor/forms/editor_context.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QRadioButton;
class QScrollBar;
class QSpinBox;

// The window "Import Settings": the parameters of the pitch and formant
// search of the spectrum imports, and the formant plot's bandwidths and noise
// level bias. Every control writes the shared import settings as it moves.
class TForm6_Settings : public QWidget {
  Q_OBJECT

 public:
  explicit TForm6_Settings(fseq::EditorContext& context, QWidget* parent = nullptr);

 private:
  QWidget* buildSearchColumn();
  QWidget* buildPlotColumn();
  // A scroll bar with its caption above it and its value beside it, writing
  // field as it moves; the three widgets are added to group when one is given.
  void addBar(QGridLayout* grid, int row, const QString& name, const QString& caption,
              fseq::SettingRange range, int pageStep, std::int32_t* field, bool repaintsPlot,
              std::vector<QWidget*>* group = nullptr);
  QSpinBox* makeSpin(const QString& name, fseq::SettingRange range, std::int32_t* field);
  void showMode();

  fseq::EditorContext& context_;
  QRadioButton* frequencyBands_;
  QRadioButton* specificFrequencies_;
  // The controls of each formant location mode, shown only in their mode.
  std::vector<QWidget*> bandControls_;
  std::vector<QWidget*> specificControls_;
};
