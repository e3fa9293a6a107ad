#include "editor/forms/unit8.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/forms/plot_canvas.h"
#include "editor/forms/unit1.h"
#include "editor/forms/unit2.h"
#include "editor/forms/unit5.h"
#include "editor/forms/window_helpers.h"
#include "editor/plots/level_scaling.h"
#include "editor/plots/section_undo.h"
#include "editor/plots/smoothing.h"
#include "editor/plots/time_edits.h"

using fseq::FrameRange;
using fseq::MaxFreq;

namespace {

constexpr MaxFreq kMaxFreqChoices[] = {MaxFreq::Hz15000, MaxFreq::Hz10000, MaxFreq::Hz8000,
                                       MaxFreq::Hz6000};
constexpr const char* kMaxFreqCaptions[] = {"15,000 hz", "10,000 hz", "8,000 hz", "6,000 hz"};
constexpr const char* kMaxFreqNames[] = {"MaxFreq15000", "MaxFreq10000", "MaxFreq8000",
                                         "MaxFreq6000"};
constexpr int kPlotBottomRow = 350;  // a press below this row does not select

std::array<bool, fseq::kFormantCount> checked(const std::array<QCheckBox*, 8>& column) {
  std::array<bool, fseq::kFormantCount> states{};
  for (int k = 0; k < fseq::kFormantCount; ++k) states[k] = column[k]->isChecked();
  return states;
}

}  // namespace

TForm8::TForm8(fseq::EditorContext& context, QWidget* parent) : QWidget(parent), context_(context) {
  setWindowTitle("Frames Plot");
  fseq::saveUndo(context_.document);

  canvas_ = new PlotCanvas(QSize(fseq::kFramesPlotWidth, fseq::kFramesPlotHeight));
  canvas_->setObjectName("PlotImage");
  connect(canvas_, &PlotCanvas::pressed, this, &TForm8::plotPressed);
  connect(canvas_, &PlotCanvas::moved, this, &TForm8::plotMoved);
  connect(canvas_, &PlotCanvas::released, this, &TForm8::plotReleased);

  auto* controls = new QHBoxLayout;
  controls->setContentsMargins(8, 4, 8, 8);
  controls->addWidget(buildFormantGroup("Voiced Formants", "Voiced", voicedFreq_, voicedLevel_), 0,
                      Qt::AlignTop);
  controls->addWidget(
      buildFormantGroup("Unvoiced Formants", "Unvoiced", unvoicedFreq_, unvoicedLevel_), 0,
      Qt::AlignTop);
  controls->addWidget(buildViewControls(), 0, Qt::AlignTop);
  controls->addWidget(buildEditControls(), 1, Qt::AlignTop);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(canvas_);
  layout->addLayout(controls);

  showSelectionLabels();
  repaintPlot();
}

QGroupBox* TForm8::buildFormantGroup(const QString& title, const QString& tag, CheckColumn& freqs,
                                     CheckColumn& levels) {
  auto* group = new QGroupBox(title);
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(1);
  auto* freqButton = new QPushButton("Freq");
  freqButton->setObjectName(tag + "FreqButton");
  auto* levelButton = new QPushButton("Level");
  levelButton->setObjectName(tag + "LevelButton");
  grid->addWidget(freqButton, 0, 0);
  grid->addWidget(levelButton, 0, 1);
  for (int k = 0; k < fseq::kFormantCount; ++k) {
    const QString number = QString::number(k + 1);
    freqs[k] = new QCheckBox("Freq" + number);
    freqs[k]->setObjectName(tag + "Freq" + number);
    levels[k] = new QCheckBox("Lvl" + number);
    levels[k]->setObjectName(tag + "Lvl" + number);
    for (QCheckBox* box : {freqs[k], levels[k]}) {
      box->setChecked(true);
      connect(box, &QCheckBox::clicked, this, &TForm8::repaintPlot);
    }
    grid->addWidget(freqs[k], k + 1, 0);
    grid->addWidget(levels[k], k + 1, 1);
  }
  connect(freqButton, &QPushButton::clicked, this, [this, &freqs] { toggleColumn(freqs); });
  connect(levelButton, &QPushButton::clicked, this, [this, &levels] { toggleColumn(levels); });
  return group;
}

QWidget* TForm8::buildViewControls() {
  auto* pitchGroup = new QGroupBox("Formant Pitch");
  auto* pitchLayout = new QVBoxLayout(pitchGroup);
  pitch_ = new QCheckBox("Frequency");
  pitch_->setObjectName("PitchFrequency");
  pitch_->setChecked(true);
  connect(pitch_, &QCheckBox::clicked, this, &TForm8::repaintPlot);
  pitchLayout->addWidget(pitch_);

  auto* maxGroup = new QGroupBox("Max Freq");
  auto* maxLayout = new QVBoxLayout(maxGroup);
  maxLayout->setSpacing(1);
  for (std::size_t i = 0; i < maxFreqButtons_.size(); ++i) {
    maxFreqButtons_[i] = new QRadioButton(kMaxFreqCaptions[i]);
    maxFreqButtons_[i]->setObjectName(kMaxFreqNames[i]);
    connect(maxFreqButtons_[i], &QRadioButton::clicked, this, &TForm8::repaintPlot);
    maxLayout->addWidget(maxFreqButtons_[i]);
  }
  maxFreqButtons_[3]->setChecked(true);
  maxLabel_ = fseq::makeLabel("MaxLabel", "Max=");
  maxLayout->addWidget(maxLabel_);

  auto* cursorGroup = new QGroupBox("Cursor");
  auto* cursorLayout = new QGridLayout(cursorGroup);
  auto* left = new QToolButton;
  left->setObjectName("CursorLeftButton");
  left->setArrowType(Qt::LeftArrow);
  auto* right = new QToolButton;
  right->setObjectName("CursorRightButton");
  right->setArrowType(Qt::RightArrow);
  connect(left, &QToolButton::clicked, this, [this] { stepCursor(-1); });
  connect(right, &QToolButton::clicked, this, [this] { stepCursor(1); });
  frameALabel_ = fseq::makeLabel("FrameALabel", "FrameA:");
  frameBLabel_ = fseq::makeLabel("FrameBLabel", "FrameB:");
  levelLabel_ = fseq::makeLabel("LevelLabel", "Level:");
  freqLabel_ = fseq::makeLabel("FreqLabel", "Freq:");
  cursorLayout->addWidget(left, 0, 0);
  cursorLayout->addWidget(right, 0, 1);
  cursorLayout->addWidget(frameALabel_, 1, 0, 1, 2);
  cursorLayout->addWidget(frameBLabel_, 2, 0, 1, 2);
  cursorLayout->addWidget(freqLabel_, 3, 0, 1, 2);
  cursorLayout->addWidget(levelLabel_, 4, 0, 1, 2);
  cursorGroup->setMinimumWidth(120);

  auto* column = new QWidget;
  auto* layout = new QGridLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pitchGroup, 0, 0);
  layout->addWidget(maxGroup, 1, 0);
  layout->addWidget(cursorGroup, 0, 1, 2, 1);
  return column;
}

QSlider* TForm8::addSliderRow(QGridLayout* grid, int row, const char* buttonName,
                              const QString& caption, const char* name, int minimum, int maximum,
                              int value, int tick, const std::function<QString(int)>& shown,
                              const std::function<void()>& operation) {
  auto* button = fseq::makeButton(buttonName, caption);
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setObjectName(QString(name) + "TrackBar");
  slider->setRange(minimum, maximum);
  slider->setValue(value);
  slider->setTickInterval(tick);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setMinimumWidth(140);
  auto* label = fseq::makeLabel((std::string(name) + "Label").c_str(), shown(value));
  label->setMinimumWidth(40);
  connect(slider, &QSlider::valueChanged, label,
          [label, shown](int position) { label->setText(shown(position)); });
  connect(button, &QPushButton::clicked, this, [this, operation] { runSectionEdit(operation); });
  grid->addWidget(button, row, 0);
  grid->addWidget(slider, row, 1);
  grid->addWidget(label, row, 2);
  return slider;
}

QGroupBox* TForm8::buildEditControls() {
  auto* group = new QGroupBox("Edit Controls");
  auto* grid = new QGridLayout(group);
  auto number = [](int value) { return QString::number(value); };
  auto& document = context_.document;

  smoothFreqs_ = addSliderRow(
      grid, 0, "SmoothFreqsButton", "Smooth Freqs", "SmoothFreqs", fseq::kMinSmoothStrength,
      fseq::kMaxSmoothStrength, 85, 5, number, [this, &document] {
        fseq::smoothFreqs(document.frames, selectedRange().orWholeWhenSingle(),
                          smoothFreqs_->value(), curveSelection());
      });
  smoothLevels_ = addSliderRow(
      grid, 1, "SmoothLevelsButton", "Smooth Levels", "SmoothLevels", fseq::kMinSmoothStrength,
      fseq::kMaxSmoothStrength, 85, 5, number, [this, &document] {
        fseq::smoothLevels(document.frames, selectedRange().orWholeWhenSingle(),
                           smoothLevels_->value(), curveSelection());
      });
  reduceLevel_ = addSliderRow(
      grid, 2, "ReduceLevelButton", "Reduce Level", "ReduceLevel", 0, fseq::kMaxReducePercent, 80,
      10, [](int value) { return QString::number(value) + "%"; },
      [this, &document] {
        fseq::reduceLevel(document.frames, selectedRange().orWholeWhenSingle(),
                          reduceLevel_->value(), curveSelection());
      });
  stretch_ = addSliderRow(
      grid, 3, "CompressButton", "Compress", "Stretch", fseq::kMinStretchFactor,
      fseq::kMaxStretchFactor, fseq::kMinStretchFactor, 1,
      [](int value) { return QString::number(value) + " X"; },
      [this, &document] {
        frameB_ = fseq::compressSection(document.frames, selectedRange(), stretch_->value());
      });

  auto* expand = fseq::makeButton("ExpandButton", "Expand");
  connect(expand, &QPushButton::clicked, this, [this, &document] {
    runSectionEdit([this, &document] {
      frameB_ = fseq::expandSection(document, selectedRange(), stretch_->value());
      if (context_.windows.form1) context_.windows.form1->showSettings();
    });
  });
  grid->addWidget(expand, 4, 0);

  auto* maximize = fseq::makeButton("MaximizeLevelButton", "Maximize Level");
  connect(maximize, &QPushButton::clicked, this, [this, &document] {
    runSectionEdit([this, &document] {
      const FrameRange range = selectedRange().orWholeWhenSingle();
      if (fseq::maximizeLevel(document.frames, range, curveSelection())) return;
      context_.ui.message(fseq::kApplicationTitle,
                          QString("There is nothing to maximize: every level of frames %1 to %2 "
                                  "is 0.")
                              .arg(range.start)
                              .arg(range.end),
                          fseq::MessageIcon::Information);
    });
  });
  auto* deleteSection = fseq::makeButton("DeleteSectionButton", "Delete Section");
  connect(deleteSection, &QPushButton::clicked, this, [this, &document] {
    runSectionEdit([this, &document] { fseq::deleteSection(document.frames, selectedRange()); });
  });
  auto* smear = fseq::makeButton("SmearRightButton", "Smear Right");
  connect(smear, &QPushButton::clicked, this, [this, &document] {
    runSectionEdit([this, &document] { fseq::smearRight(document.frames, selectedRange()); });
  });
  auto* undo = fseq::makeButton("UndoButton", "1-Step Undo");
  connect(undo, &QPushButton::clicked, this, [this, &document] {
    fseq::undoSectionEdit(document);
    sequenceChanged();
  });

  auto* buttons = new QGridLayout;
  buttons->addWidget(maximize, 0, 0);
  buttons->addWidget(undo, 0, 1);
  buttons->addWidget(deleteSection, 1, 0);
  buttons->addWidget(smear, 1, 1);
  grid->addLayout(buttons, 0, 3, 4, 1, Qt::AlignTop);

  fileNameLabel_ = fseq::makeLabel("FileNameLabel", "File Name");
  fseq::makeFileNameLabel(fileNameLabel_);
  auto* close = fseq::makeButton("CloseButton", "Close");
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  grid->addWidget(fileNameLabel_, 4, 1, 1, 2);
  grid->addWidget(close, 4, 3);
  return group;
}

void TForm8::toggleColumn(CheckColumn& column) {
  const bool check = !column[0]->isChecked();
  for (QCheckBox* box : column) box->setChecked(check);
  repaintPlot();
}

fseq::CurveSelection TForm8::curveSelection() const {
  fseq::CurveSelection selection;
  selection.voicedFreq = checked(voicedFreq_);
  selection.voicedLevel = checked(voicedLevel_);
  selection.unvoicedFreq = checked(unvoicedFreq_);
  selection.unvoicedLevel = checked(unvoicedLevel_);
  selection.pitch = pitch_->isChecked();
  return selection;
}

MaxFreq TForm8::maxFreq() const {
  for (std::size_t i = 0; i < maxFreqButtons_.size(); ++i) {
    if (maxFreqButtons_[i]->isChecked()) return kMaxFreqChoices[i];
  }
  return MaxFreq::Hz6000;
}

void TForm8::repaintPlot() {
  const fseq::CurveSelection curves = curveSelection();
  fseq::FramesPlotInput input{context_.document, context_.mixer, curves, maxFreq(), {}};
  input.selection = {frameA_, frameB_, selectionState_ != SelectionState::None};
  canvas_->setImage(fseq::drawFramesPlot(input));
  maxLabel_->setText("Max=" +
                     QString::number(fseq::highestFrequencyOfFirstFrame(context_.document)));
}

void TForm8::showEvent(QShowEvent* event) {
  repaintPlot();
  QWidget::showEvent(event);
}

void TForm8::setFileName(const QString& name) {
  fileNameLabel_->setText(name);
}

const QImage& TForm8::plotImage() const {
  return canvas_->image();
}

void TForm8::showSelectionLabels() {
  frameALabel_->setText("FrameA: " + QString::number(frameA_));
  frameBLabel_->setText("FrameB: " + QString::number(frameB_));
}

void TForm8::MoveCursor() {
  frameA_ = frameB_ = context_.document.currentFrame;
  showSelectionLabels();
  if (context_.windows.form1) context_.windows.form1->showFrame(frameA_);
  repaintPlot();
}

void TForm8::stepCursor(int step) {
  frameA_ = std::clamp(frameA_ + step, 1, context_.document.frameCount);
  frameB_ = frameA_;
  showSelectionLabels();
  if (context_.windows.form1) context_.windows.form1->showFrame(frameA_);
  repaintPlot();
}

void TForm8::plotPressed(QPoint position) {
  if (position.y() >= kPlotBottomRow) return;
  frameA_ = frameB_ = fseq::frameAtX(position.x());
  showSelectionLabels();
  if (context_.windows.form1) context_.windows.form1->showFrame(frameA_);
  selectionState_ = SelectionState::Dragging;
  const fseq::FramesPlotReadout readout = fseq::framesPlotReadout(position.y(), maxFreq());
  freqLabel_->setText(readout.freqHz ? "Freq: " + QString::number(*readout.freqHz) : "Freq:");
  levelLabel_->setText(readout.level ? "Level: " + QString::number(*readout.level) : "Level: ");
  repaintPlot();
}

void TForm8::plotMoved(QPoint position) {
  if (selectionState_ != SelectionState::Dragging) return;
  frameB_ = fseq::frameAtX(position.x());
  showSelectionLabels();
  repaintPlot();
}

void TForm8::plotReleased(QPoint position) {
  if (selectionState_ != SelectionState::Dragging) return;
  selectionState_ = SelectionState::Made;
  frameB_ = fseq::frameAtX(position.x());
  if (frameB_ < frameA_) std::swap(frameA_, frameB_);
  showSelectionLabels();
  repaintPlot();
}

void TForm8::runSectionEdit(const std::function<void()>& operation) {
  fseq::saveUndo(context_.document);
  operation();
  showSelectionLabels();
  sequenceChanged();
}

void TForm8::sequenceChanged() {
  repaintPlot();
  auto& windows = context_.windows;
  if (windows.form5) windows.form5->repaintPlot();
  if (windows.form2) windows.form2->Populate(context_.document.currentFrame);
}
