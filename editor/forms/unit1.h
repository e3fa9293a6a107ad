#pragma once

#include <QWidget>
#include <utility>
#include <vector>

#include "editor/forms/editor_context.h"
#include "editor/import/single_spectrum_import.h"
#include "editor/model/report.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTextEdit;

// The main window "Vostrel FS1R Fseq Value Editor": loads and saves sequences,
// selects the current frame, holds the fixed settings of the sequence, opens
// the other windows and shows every operation's report.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(fseq::EditorContext& context, QWidget* parent = nullptr);

  // Puts a frame number into the frame selector; when the selector's value
  // changes, SpinEdit1Change runs.
  void showFrame(int frame);

  // Shows the document's fixed settings and frame count in the controls.
  void showSettings();

  // The report box.
  void clearReport();
  void addReport(const fseq::Report& report);

  // Selects "fseq" or "Fixed" for the upload window, which keeps its own
  // "Pitch Mode" equal to this one; emits nothing, and selecting the button
  // that is already selected does nothing.
  void selectPitchMode(fseq::PitchMode mode);

  // The main window's file-name labels: the last ".syx" file and the last
  // imported file.
  void setSysexFileName(const QString& name);
  void setImportFileName(const QString& name);

  // The controls the import and upload windows plug into.
  QPushButton* importAudacityButton() const { return ImportAudacityButton; }
  QPushButton* importButtonS() const { return ImportButtonS; }
  QPushButton* importMapButton() const { return ImportMapButton; }
  QLineEdit* durationEdit() const { return Edit2; }
  QProgressBar* progressBar() const { return ProgressBar1; }

 signals:
  // The user clicked "fseq" or "Fixed", or Load .syx, Load Text or Clear All
  // changed the Pitch Mode.
  void pitchModeClicked(fseq::PitchMode mode);

 private:
  void LoadTextButtonClick();
  void SaveCSVButtonClick();
  void LoadSysexButtonClick();
  void CreateFseqButtonClick();
  void ClearAllButtonClick();
  void ImportAudacityButtonClick(fseq::SpectrumSource source);
  void ImportMapButtonClick();
  void SpinEdit1Change();
  void RadioButton7Click(fseq::PitchMode mode);

  QWidget* buildFileColumn();
  QWidget* buildFixedSettings();
  QSpinBox* settingSpin(const char* name, fseq::SettingRange range, std::int32_t* field);
  void showFrameCount();
  void showError(const std::exception& error);
  void refreshViews();
  void setPlotFileNames(const QString& name);

  fseq::EditorContext& context_;
  bool reportEmpty_ = true;
  // The spin boxes of the fixed settings and the settings they hold.
  std::vector<std::pair<QSpinBox*, std::int32_t*>> settingSpins_;

  QPushButton* LoadTextButton;
  QPushButton* LoadSysexButton;
  QLabel* Label1;
  QLabel* Label2;
  QPushButton* EditFramesButton;
  QPushButton* ClearAllButton;
  QSpinBox* SpinEdit1;
  QPushButton* BitBtn2;
  QPushButton* ImportAudacityButton;
  QPushButton* ImportButtonS;
  QPushButton* ImportMapButton;
  QLineEdit* Edit2;
  QProgressBar* ProgressBar1;
  QLabel* Label19;
  QPushButton* ImportSettingsButton;
  QPushButton* BitBtn1;
  QPushButton* UploadButton;
  QPushButton* SaveCSVButton;
  QPushButton* CreateFseqButton;
  QPushButton* CloseButton;
  QTextEdit* Memo1;

  QLineEdit* nameEdit_;
  QRadioButton* frameCountButtons_[4];
  QSpinBox* loopStart_;
  QSpinBox* loopEnd_;
  QRadioButton* oneWay_;
  QRadioButton* round_;
  QSpinBox* speedAdjust_;
  QSpinBox* levelSensitivity_;
  QRadioButton* RadioButton7;  // Pitch Mode "fseq"
  QRadioButton* RadioButton8;  // Pitch Mode "Fixed"
  QSpinBox* noteAssign_;
  QSpinBox* pitchTuning_;
  QSpinBox* startDelay_;
  QSpinBox* lastValidFrame_;
};
