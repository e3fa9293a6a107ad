#include "editor/forms/unit5.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/forms/frame_number.h"
#include "editor/forms/plot_canvas.h"
#include "editor/forms/unit1.h"
#include "editor/forms/unit2.h"
#include "editor/forms/unit8.h"
#include "editor/forms/window_helpers.h"
#include "editor/plots/formant_plot.h"

TForm5_Plots::TForm5_Plots(fseq::EditorContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
  setWindowTitle("Formant Plot");
  canvas_ = new PlotCanvas(QSize(fseq::kFormantPlotWidth, fseq::kFormantPlotHeight));
  canvas_->setObjectName("PlotImage");
  connect(canvas_, &PlotCanvas::pressed, this, &TForm5_Plots::plotPressed);

  frameEdit_ = new QLineEdit;
  frameEdit_->setObjectName("FrameEdit");
  frameEdit_->setMaximumWidth(60);
  frameEdit_->setAlignment(Qt::AlignCenter);
  connect(frameEdit_, &QLineEdit::returnPressed, this, &TForm5_Plots::frameEditEntered);

  auto* controls = new QHBoxLayout;
  controls->setContentsMargins(10, 6, 10, 10);
  auto addStep = [this, controls](int step) {
    const QString caption = (step > 0 ? "+" : "") + QString::number(step);
    auto* button = new QPushButton(caption);
    button->setObjectName(caption);
    button->setMaximumWidth(48);
    connect(button, &QPushButton::clicked, this, [this, step] { stepFrame(step); });
    controls->addWidget(button);
  };
  controls->addWidget(new QLabel("Frame"));
  for (int step : {-50, -10, -1}) addStep(step);
  controls->addWidget(frameEdit_);
  for (int step : {1, 10, 50}) addStep(step);
  controls->addSpacing(20);

  freqLabel_ = fseq::makeLabel("FreqLabel", "Freq:");
  volLabel_ = fseq::makeLabel("VolLabel", "Vol:");
  levelLabel_ = fseq::makeLabel("LevelLabel", "Level:");
  for (QLabel* label : {freqLabel_, volLabel_, levelLabel_}) {
    label->setMinimumWidth(90);
    controls->addWidget(label);
  }
  fileNameLabel_ = fseq::makeLabel("FileNameLabel", "File Name");
  fseq::makeFileNameLabel(fileNameLabel_);
  controls->addWidget(fileNameLabel_, 1);
  auto* close = fseq::makeButton("CloseButton", "Close");
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  controls->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(canvas_);
  layout->addLayout(controls);

  repaintPlot();
}

void TForm5_Plots::repaintPlot() {
  const fseq::FseqDocument& document = context_.document;
  const int frame = std::clamp(document.currentFrame, 1, fseq::kMaxFrames);
  frameEdit_->setText(QString::number(document.currentFrame));
  const bool showSpectrum = document.currentFrame == document.importedFrame;
  canvas_->setImage(
      fseq::drawFormantPlot({document.frame(frame), context_.mixer, context_.importSettings,
                             showSpectrum ? &context_.spectrum : nullptr}));
}

void TForm5_Plots::showEvent(QShowEvent* event) {
  repaintPlot();
  QWidget::showEvent(event);
}

void TForm5_Plots::setFileName(const QString& name) {
  fileNameLabel_->setText(name);
}

const QImage& TForm5_Plots::plotImage() const {
  return canvas_->image();
}

void TForm5_Plots::plotPressed(QPoint position) {
  if (position.y() >= fseq::kFormantPlotHeight) return;
  repaintPlot();
  const fseq::FormantReadout readout = fseq::formantReadoutAt(position.x(), position.y());
  freqLabel_->setText("Freq:  " + QString::number(readout.freqHz));
  volLabel_->setText("Vol:   " + QString::number(readout.volDb));
  levelLabel_->setText("Level: " + QString::number(readout.level));
}

void TForm5_Plots::stepFrame(int step) {
  frameChanged(context_.document.currentFrame + step);
}

void TForm5_Plots::frameEditEntered() {
  const auto frame = fseq::frameNumberFromText(frameEdit_->text());
  if (!frame) {
    fseq::showNotAFrameNumber(context_, frameEdit_->text());
    return;
  }
  frameChanged(*frame);
}

void TForm5_Plots::frameChanged(int frame) {
  fseq::FseqDocument& document = context_.document;
  document.currentFrame = std::clamp(frame, 1, document.frameCount);
  repaintPlot();
  auto& windows = context_.windows;
  if (windows.form1) windows.form1->showFrame(document.currentFrame);
  if (windows.form2) windows.form2->Populate(document.currentFrame);
  if (windows.form8) windows.form8->MoveCursor();
}
