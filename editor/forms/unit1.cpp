#include "editor/forms/unit1.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "editor/forms/unit2.h"
#include "editor/forms/unit3.h"
#include "editor/forms/unit5.h"
#include "editor/forms/unit6.h"
#include "editor/forms/unit7.h"
#include "editor/forms/unit8.h"
#include "editor/forms/window_helpers.h"
#include "editor/import/import_files.h"
#include "editor/import/map_import.h"
#include "editor/model/file_operations.h"

using fseq::FseqSettings;

namespace {

constexpr int kFrameCounts[] = {128, 256, 384, 512};

std::filesystem::path toPath(const QString& fileName) {
  return std::filesystem::path(fileName.toStdString());
}

QString withoutFolder(const QString& fileName) {
  return QFileInfo(fileName).fileName();
}

QColor reportColor(fseq::ReportColor color) {
  switch (color) {
    case fseq::ReportColor::Red:
      return QColor(255, 0, 0);
    case fseq::ReportColor::Blue:
      return QColor(0, 0, 255);
    case fseq::ReportColor::Green:
      return QColor(0, 128, 0);
    case fseq::ReportColor::Black:
      break;
  }
  return Qt::black;
}

QLabel* fileNameLabel(const char* name, const QString& text) {
  auto* label = fseq::makeLabel(name, text);
  fseq::makeFileNameLabel(label);
  return label;
}

}  // namespace

TForm1::TForm1(fseq::EditorContext& context, QWidget* parent) : QWidget(parent), context_(context) {
  setWindowTitle("Vostrel FS1R Fseq Value Editor");
  context_.document.currentFrame = 1;
  context_.document.frameCount = fseq::kMaxFrames;

  Memo1 = new QTextEdit;
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QTextEdit::NoWrap);
  Memo1->setFont(fseq::monospaceFont());
  Memo1->setMinimumHeight(230);

  auto* top = new QHBoxLayout;
  top->addWidget(buildFileColumn(), 0, Qt::AlignTop);
  top->addWidget(buildFixedSettings(), 0, Qt::AlignTop);
  top->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Memo1, 1);

  showSettings();
}

QWidget* TForm1::buildFileColumn() {
  LoadTextButton = fseq::makeButton("LoadTextButton", "Load Text");
  LoadSysexButton = fseq::makeButton("LoadSysexButton", "Load .syx");
  Label1 = fileNameLabel("Label1", "Data File Name");
  Label2 = fileNameLabel("Label2", "Sysex File Name");
  EditFramesButton = fseq::makeButton("EditFramesButton", "Edit Frames");
  ClearAllButton = fseq::makeButton("ClearAllButton", "Clear All");
  SpinEdit1 = new QSpinBox;
  SpinEdit1->setObjectName("SpinEdit1");
  SpinEdit1->setRange(1, fseq::kMaxFrames);
  SpinEdit1->setValue(1);
  BitBtn2 = fseq::makeButton("BitBtn2", "Plot Frames");
  BitBtn1 = fseq::makeButton("BitBtn1", "Plot Formants");
  ImportAudacityButton = fseq::makeButton("ImportAudacityButton", "Import FrameA");
  ImportButtonS = fseq::makeButton("ImportButtonS", "Import FrameS");
  ImportMapButton = fseq::makeButton("ImportMapButton", "Import MapS");
  Edit2 = new QLineEdit("5.3");
  Edit2->setObjectName("Edit2");
  Edit2->setMaximumWidth(60);
  ProgressBar1 = new QProgressBar;
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setRange(0, 100);
  ProgressBar1->hide();
  Label19 = fileNameLabel("Label19", "Import File Name");
  ImportSettingsButton = fseq::makeButton("ImportSettingsButton", "Import Settings");
  UploadButton = fseq::makeButton("UploadButton", "UpLoad");
  SaveCSVButton = fseq::makeButton("SaveCSVButton", "Save Text");
  CreateFseqButton = fseq::makeButton("CreateFseqButton", "Save .syx");
  CloseButton = fseq::makeButton("CloseButton", "Exit");

  auto* files = new QGroupBox("Files");
  auto* fileGrid = new QGridLayout(files);
  fileGrid->addWidget(LoadTextButton, 0, 0);
  fileGrid->addWidget(Label1, 0, 1);
  fileGrid->addWidget(LoadSysexButton, 1, 0);
  fileGrid->addWidget(Label2, 1, 1);
  fileGrid->addWidget(SaveCSVButton, 2, 0);
  fileGrid->addWidget(new QLabel("Text file from Data"), 2, 1);
  fileGrid->addWidget(CreateFseqButton, 3, 0);
  fileGrid->addWidget(new QLabel("Fseq from Data"), 3, 1);
  fileGrid->setColumnStretch(1, 1);

  auto* frames = new QGroupBox("Frames");
  auto* frameGrid = new QGridLayout(frames);
  auto* frameRow = new QHBoxLayout;
  frameRow->addWidget(new QLabel("Frame"));
  frameRow->addWidget(SpinEdit1);
  frameRow->addStretch();
  frameGrid->addLayout(frameRow, 0, 0);
  frameGrid->addWidget(EditFramesButton, 0, 1);
  frameGrid->addWidget(BitBtn2, 1, 0);
  frameGrid->addWidget(BitBtn1, 1, 1);
  frameGrid->addWidget(ClearAllButton, 2, 0);

  auto* imports = new QGroupBox("Spectrum Import");
  auto* importGrid = new QGridLayout(imports);
  importGrid->addWidget(ImportAudacityButton, 0, 0);
  importGrid->addWidget(new QLabel("Audacity Spectrum 4096 pt FFT"), 0, 1);
  importGrid->addWidget(ImportButtonS, 1, 0);
  importGrid->addWidget(new QLabel("Veltrix16 8000 hz FFT Slice"), 1, 1);
  importGrid->addWidget(ImportMapButton, 2, 0);
  importGrid->addWidget(new QLabel("Veltrix16 8000 hz FFT Map"), 2, 1);
  auto* durationRow = new QHBoxLayout;
  durationRow->addWidget(Edit2);
  durationRow->addWidget(new QLabel("sec's"));
  durationRow->addWidget(ProgressBar1, 1);
  importGrid->addLayout(durationRow, 3, 1);
  importGrid->addWidget(ImportSettingsButton, 4, 0);
  importGrid->addWidget(Label19, 4, 1);
  importGrid->setColumnStretch(1, 1);

  auto* bottomRow = new QHBoxLayout;
  bottomRow->addWidget(UploadButton);
  bottomRow->addWidget(new QLabel("to the FS1R"));
  bottomRow->addStretch();
  bottomRow->addWidget(CloseButton);

  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(files);
  layout->addWidget(frames);
  layout->addWidget(imports);
  layout->addLayout(bottomRow);
  column->setMinimumWidth(420);

  connect(LoadTextButton, &QPushButton::clicked, this, &TForm1::LoadTextButtonClick);
  connect(SaveCSVButton, &QPushButton::clicked, this, &TForm1::SaveCSVButtonClick);
  connect(LoadSysexButton, &QPushButton::clicked, this, &TForm1::LoadSysexButtonClick);
  connect(CreateFseqButton, &QPushButton::clicked, this, &TForm1::CreateFseqButtonClick);
  connect(ClearAllButton, &QPushButton::clicked, this, &TForm1::ClearAllButtonClick);
  connect(ImportAudacityButton, &QPushButton::clicked, this,
          [this] { ImportAudacityButtonClick(fseq::SpectrumSource::Audacity); });
  connect(ImportButtonS, &QPushButton::clicked, this,
          [this] { ImportAudacityButtonClick(fseq::SpectrumSource::SliceLog); });
  connect(ImportMapButton, &QPushButton::clicked, this, &TForm1::ImportMapButtonClick);
  connect(SpinEdit1, &QSpinBox::valueChanged, this, &TForm1::SpinEdit1Change);
  connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
  auto& windows = context_.windows;
  connect(EditFramesButton, &QPushButton::clicked, this,
          [&windows] { fseq::showWindow(windows.form2); });
  connect(BitBtn2, &QPushButton::clicked, this, [&windows] { fseq::showWindow(windows.form8); });
  connect(BitBtn1, &QPushButton::clicked, this, [&windows] { fseq::showWindow(windows.form5); });
  connect(ImportSettingsButton, &QPushButton::clicked, this,
          [&windows] { fseq::showWindow(windows.form6); });
  connect(UploadButton, &QPushButton::clicked, this,
          [&windows] { fseq::showWindow(windows.form7); });
  return column;
}

QSpinBox* TForm1::settingSpin(const char* name, fseq::SettingRange range, std::int32_t* field) {
  auto* spin = new QSpinBox;
  spin->setObjectName(name);
  spin->setRange(range.min, range.max);
  connect(spin, &QSpinBox::valueChanged, this, [field](int value) { *field = value; });
  settingSpins_.emplace_back(spin, field);
  return spin;
}

QWidget* TForm1::buildFixedSettings() {
  FseqSettings& settings = context_.document.settings;
  auto* group = new QGroupBox("Fixed Settings");
  group->setObjectName("FixedSettingsGroup");
  auto* grid = new QGridLayout(group);

  nameEdit_ = new QLineEdit;
  nameEdit_->setObjectName("NameEdit");
  nameEdit_->setToolTip("8 characters");
  connect(nameEdit_, &QLineEdit::textChanged, this,
          [&settings](const QString& text) { settings.fseqName = text.toStdString(); });

  auto* countRow = new QWidget;
  auto* countLayout = new QHBoxLayout(countRow);
  countLayout->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 4; ++i) {
    frameCountButtons_[i] = new QRadioButton(QString::number(kFrameCounts[i]));
    frameCountButtons_[i]->setObjectName(QString("FramesRadioButton%1").arg(kFrameCounts[i]));
    countLayout->addWidget(frameCountButtons_[i]);
  }

  loopStart_ = settingSpin("LoopStartSpinEdit", FseqSettings::kLoopRange, &settings.loopStart);
  loopEnd_ = settingSpin("LoopEndSpinEdit", FseqSettings::kLoopRange, &settings.loopEnd);

  auto* loopModeRow = new QWidget;
  auto* loopModeLayout = new QHBoxLayout(loopModeRow);
  loopModeLayout->setContentsMargins(0, 0, 0, 0);
  oneWay_ = new QRadioButton("One Way");
  oneWay_->setObjectName("OneWayRadioButton");
  round_ = new QRadioButton("Round");
  round_->setObjectName("RoundRadioButton");
  loopModeLayout->addWidget(oneWay_);
  loopModeLayout->addWidget(round_);
  loopModeLayout->addStretch();
  connect(oneWay_, &QRadioButton::toggled, this, [&settings](bool on) {
    settings.loopMode = on ? fseq::LoopMode::OneWay : fseq::LoopMode::Round;
  });

  speedAdjust_ =
      settingSpin("SpeedAdjustSpinEdit", FseqSettings::kSpeedAdjustRange, &settings.speedAdjust);
  levelSensitivity_ = settingSpin("LevelSensitivitySpinEdit", FseqSettings::kLevelSensitivityRange,
                                  &settings.levelSensitivity);

  auto* pitchRow = new QWidget;
  auto* pitchLayout = new QHBoxLayout(pitchRow);
  pitchLayout->setContentsMargins(0, 0, 0, 0);
  RadioButton7 = new QRadioButton("fseq");
  RadioButton7->setObjectName("RadioButton7");
  RadioButton8 = new QRadioButton("Fixed");
  RadioButton8->setObjectName("RadioButton8");
  pitchLayout->addWidget(RadioButton7);
  pitchLayout->addWidget(RadioButton8);
  pitchLayout->addStretch();
  connect(RadioButton7, &QRadioButton::clicked, this,
          [this] { RadioButton7Click(fseq::PitchMode::Fseq); });
  connect(RadioButton8, &QRadioButton::clicked, this,
          [this] { RadioButton7Click(fseq::PitchMode::Fixed); });

  noteAssign_ =
      settingSpin("NoteAssignSpinEdit", FseqSettings::kNoteAssignRange, &settings.noteAssign);
  auto* noteButton = fseq::makeButton("NoteAssignPictureButton", "Notes...");
  noteButton->setToolTip("Midi Note Numbers");
  auto& windows = context_.windows;
  connect(noteButton, &QPushButton::clicked, this, [&windows] { fseq::showWindow(windows.form3); });
  auto* noteRow = new QHBoxLayout;
  noteRow->addWidget(noteAssign_);
  noteRow->addWidget(noteButton);

  pitchTuning_ =
      settingSpin("PitchTuningSpinEdit", FseqSettings::kPitchTuningRange, &settings.pitchTuning);
  startDelay_ =
      settingSpin("StartDelaySpinEdit", FseqSettings::kStartDelayRange, &settings.startDelay);
  lastValidFrame_ = settingSpin("LastValidFrameSpinEdit", FseqSettings::kLastValidFrameRange,
                                &settings.lastValidFrame);

  int row = 0;
  auto addRow = [&](const QString& caption, QWidget* control) {
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(control, row++, 1);
  };
  addRow("Name", nameEdit_);
  addRow("# of Frames", countRow);
  addRow("Loop Start", loopStart_);
  addRow("Loop End", loopEnd_);
  addRow("Loop Mode", loopModeRow);
  addRow("Speed Adjust", speedAdjust_);
  addRow("Level Sensitivity", levelSensitivity_);
  addRow("Pitch Mode", pitchRow);
  grid->addWidget(new QLabel("Note Assign"), row, 0);
  grid->addLayout(noteRow, row++, 1);
  addRow("Pitch Tuning", pitchTuning_);
  addRow("Start Delay", startDelay_);
  addRow("Last Valid Frame", lastValidFrame_);
  return group;
}

void TForm1::showSettings() {
  FseqSettings& settings = context_.document.settings;
  nameEdit_->setText(QString::fromStdString(settings.fseqName));
  // Each control keeps what it is given within its range, and the setting
  // takes what the control shows.
  for (auto& [spin, field] : settingSpins_) {
    spin->setValue(*field);
    *field = spin->value();
  }
  (settings.loopMode == fseq::LoopMode::OneWay ? oneWay_ : round_)->setChecked(true);
  QRadioButton* pitchButton =
      settings.pitchMode == fseq::PitchMode::Fseq ? RadioButton7 : RadioButton8;
  if (!pitchButton->isChecked()) {
    pitchButton->setChecked(true);
    emit pitchModeClicked(settings.pitchMode);
  }
  showFrameCount();
}

void TForm1::showFrameCount() {
  const int count = context_.document.frameCount;
  const auto* match = std::find(std::begin(kFrameCounts), std::end(kFrameCounts), count);
  const auto index = match == std::end(kFrameCounts) ? 3 : match - std::begin(kFrameCounts);
  frameCountButtons_[index]->setChecked(true);
}

void TForm1::selectPitchMode(fseq::PitchMode mode) {
  QRadioButton* button = mode == fseq::PitchMode::Fseq ? RadioButton7 : RadioButton8;
  if (button->isChecked()) return;
  button->setChecked(true);
  context_.document.settings.pitchMode = mode;
}

void TForm1::RadioButton7Click(fseq::PitchMode mode) {
  context_.document.settings.pitchMode = mode;
  emit pitchModeClicked(mode);
}

void TForm1::showFrame(int frame) {
  SpinEdit1->setValue(frame);
}

void TForm1::SpinEdit1Change() {
  fseq::FseqDocument& document = context_.document;
  const int frame = std::clamp(SpinEdit1->value(), 1, document.frameCount);
  document.currentFrame = frame;
  if (SpinEdit1->value() != frame) {
    const QSignalBlocker block(SpinEdit1);
    SpinEdit1->setValue(frame);
  }
  auto& windows = context_.windows;
  if (windows.form5) windows.form5->repaintPlot();
  if (windows.form2) windows.form2->Populate(frame);
  if (windows.form8) windows.form8->MoveCursor();
}

void TForm1::clearReport() {
  Memo1->clear();
  reportEmpty_ = true;
}

void TForm1::addReport(const fseq::Report& report) {
  QTextCursor cursor(Memo1->document());
  cursor.movePosition(QTextCursor::End);
  for (const fseq::ReportLine& line : report) {
    if (!reportEmpty_) cursor.insertBlock();
    reportEmpty_ = false;
    auto insert = [&](std::size_t from, std::size_t length, fseq::ReportColor color) {
      QTextCharFormat format;
      format.setForeground(reportColor(color));
      cursor.insertText(QString::fromStdString(line.text.substr(from, length)), format);
    };
    std::size_t done = 0;
    for (const fseq::ColorSpan& span : line.spans) {
      if (span.start > done) insert(done, span.start - done, fseq::ReportColor::Black);
      insert(span.start, span.length, span.color);
      done = span.start + span.length;
    }
    if (done < line.text.size()) insert(done, line.text.size() - done, fseq::ReportColor::Black);
  }
  Memo1->setTextCursor(cursor);
  Memo1->ensureCursorVisible();
}

void TForm1::setSysexFileName(const QString& name) {
  Label2->setText(name);
}

void TForm1::setImportFileName(const QString& name) {
  Label19->setText(name);
}

void TForm1::setPlotFileNames(const QString& name) {
  if (context_.windows.form5) context_.windows.form5->setFileName(name);
  if (context_.windows.form8) context_.windows.form8->setFileName(name);
}

void TForm1::refreshViews() {
  auto& windows = context_.windows;
  if (windows.form5) windows.form5->repaintPlot();
  if (windows.form8) windows.form8->repaintPlot();
  if (windows.form2) windows.form2->Populate(context_.document.currentFrame);
}

void TForm1::showError(const std::exception& error) {
  context_.showError(QString::fromStdString(error.what()));
}

void TForm1::LoadTextButtonClick() {
  context_.document.importedFrame = 0;
  const auto file = context_.ui.openFileName("Load Text");
  if (!file) return;
  fseq::Report report;
  try {
    report = fseq::loadTextFile(toPath(*file), context_.document);
  } catch (const std::exception& error) {
    showError(error);
    return;
  }
  Label1->setText(withoutFolder(*file));
  setPlotFileNames(withoutFolder(*file));
  clearReport();
  addReport(report);
  showSettings();
  refreshViews();
}

void TForm1::SaveCSVButtonClick() {
  const auto file = context_.ui.saveFileName("Save Text");
  if (!file) return;
  Label1->setText(withoutFolder(*file));
  try {
    const fseq::Report report = fseq::saveTextFile(toPath(*file), context_.document);
    clearReport();
    addReport(report);
  } catch (const std::exception& error) {
    showError(error);
  }
}

void TForm1::LoadSysexButtonClick() {
  context_.document.importedFrame = 0;
  clearReport();
  const auto file = context_.ui.openFileName("Load .syx");
  if (!file) return;
  fseq::Report report;
  try {
    report = fseq::loadSyxFile(toPath(*file), context_.document, context_.mixer);
  } catch (const std::exception& error) {
    showError(error);
    return;
  }
  setSysexFileName(withoutFolder(*file));
  setPlotFileNames(withoutFolder(*file));
  addReport(report);
  showSettings();
  showFrame(context_.document.currentFrame);
  emit context_.mixerReset();
  refreshViews();
}

void TForm1::CreateFseqButtonClick() {
  const auto file = context_.ui.saveFileName("Save .syx");
  if (!file) return;
  clearReport();
  setSysexFileName(withoutFolder(*file));
  try {
    addReport(fseq::saveSyxFile(toPath(*file), context_.document, context_.mixer));
  } catch (const std::exception& error) {
    showError(error);
  }
}

void TForm1::ClearAllButtonClick() {
  fseq::FseqDocument& document = context_.document;
  clearReport();
  document.currentFrame = 1;
  document.frameCount = fseq::kMaxFrames;
  Label1->setText("Data File Name");
  Label2->setText("Sysex File Name");
  document.settings = FseqSettings::afterClearAll();
  showSettings();
  document.frames.fill(fseq::FseqFrame{});
  context_.mixer.reset();
  emit context_.mixerReset();
  showFrame(1);
  refreshViews();
}

void TForm1::ImportAudacityButtonClick(fseq::SpectrumSource source) {
  context_.spectrum.reset();
  clearReport();
  const bool audacity = source == fseq::SpectrumSource::Audacity;
  const auto file = context_.ui.openFileName(audacity ? "Import FrameA" : "Import FrameS");
  if (!file) return;
  const QString name = withoutFolder(*file);
  setImportFileName(name);
  setPlotFileNames(name);
  fseq::ImportOutcome outcome;
  try {
    const fseq::SpectrumPoints points = fseq::readSpectrumFile(toPath(*file), source);
    outcome = fseq::importSpectrum(source, points, name.toStdString(), context_.importSettings,
                                   context_.document, context_.spectrum);
  } catch (const std::exception& error) {
    showError(error);
    return;
  }
  for (const std::string& message : outcome.messages) {
    context_.ui.message(fseq::kApplicationTitle, QString::fromStdString(message),
                        fseq::MessageIcon::Information);
  }
  addReport(outcome.report);
  refreshViews();
}

// The map import chooses and reads the whole log before it touches the
// document, so a cancelled chooser or a bad log leaves the sequence as it was.
void TForm1::ImportMapButtonClick() {
  context_.spectrum.reset();
  clearReport();
  bool isNumber = false;
  const double seconds = Edit2->text().trimmed().toDouble(&isNumber);
  if (!isNumber || !std::isfinite(seconds)) {
    context_.ui.message(fseq::kApplicationTitle,
                        QString("The duration \"%1\" in the sec's box is not a number of seconds.")
                            .arg(Edit2->text()),
                        fseq::MessageIcon::Warning);
    return;
  }
  ProgressBar1->setValue(5);
  ProgressBar1->show();
  addReport({{std::string(fseq::kMapImportLoadingLine), {}}});

  if (const auto file = context_.ui.openFileName("Import MapS")) {
    const QString name = withoutFolder(*file);
    setImportFileName(name);
    setPlotFileNames(name);
    try {
      const fseq::MapLog log = fseq::readMapLogFile(toPath(*file), seconds);
      const fseq::MapImportOutcome result =
          fseq::importMap(log, name.toStdString(), context_.importSettings, context_.document,
                          context_.mixer, context_.spectrum);
      // The import starts from a cleared sequence, as Clear All leaves it.
      Label1->setText("Data File Name");
      Label2->setText("Sysex File Name");
      showSettings();
      clearReport();
      addReport(result.outcome.report);
      ProgressBar1->setValue(std::min(100, 5 + 20 * result.framesRead));
      emit context_.mixerReset();
      showFrame(context_.document.currentFrame);
    } catch (const std::exception& error) {
      showError(error);
    }
  }
  ProgressBar1->setValue(95);
  refreshViews();
  ProgressBar1->hide();
}
