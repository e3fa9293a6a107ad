#include "editor/forms/unit2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/forms/frame_number.h"
#include "editor/forms/unit1.h"
#include "editor/forms/unit4.h"
#include "editor/forms/unit5.h"
#include "editor/forms/window_helpers.h"

using fseq::FreqPair;
using fseq::FseqFrame;

namespace {

constexpr int kPrevFreqColumn = 0;
constexpr int kPrevLevelColumn = 1;
constexpr int kNextFreqColumn = 10;
constexpr int kNextLevelColumn = 11;
constexpr int kFirstVoicedRow = 3;
constexpr int kFirstUnvoicedRow = 12;

QScrollBar* makeBar(const QString& name, int maximum, int width) {
  auto* bar = new QScrollBar(Qt::Horizontal);
  bar->setObjectName(name);
  bar->setRange(0, maximum);
  bar->setSingleStep(1);
  bar->setPageStep(0);
  bar->setMinimumWidth(width);
  return bar;
}

QLabel* valueLabel(const QString& name, int width) {
  auto* label = new QLabel;
  label->setObjectName(name);
  label->setMinimumWidth(width);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

QString freqText(FreqPair pair) {
  return QString::fromStdString(fseq::FreqValue(pair.coarse, pair.fine));
}

// A neighbour frame's values in the order of the side columns.
std::array<QString, 33> neighbourTexts(const FseqFrame& frame) {
  std::array<QString, 33> texts;
  texts[0] = freqText(frame.pitch());
  for (int k = 0; k < fseq::kFormantCount; ++k) {
    texts[1 + k] = freqText(frame.voiced(k));
    texts[9 + k] = QString::number(frame.voicedLevel(k));
    texts[17 + k] = freqText(frame.unvoiced(k));
    texts[25 + k] = QString::number(frame.unvoicedLevel(k));
  }
  return texts;
}

QLabel* sectionLabel(const QString& text) {
  auto* label = new QLabel(text);
  label->setStyleSheet("font-weight: bold;");
  return label;
}

}  // namespace

TForm2_Edit::TForm2_Edit(fseq::EditorContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
  setWindowTitle("Edit Fseq Frame Values");

  frameEdit_ = new QLineEdit;
  frameEdit_->setObjectName("FrameEdit");
  frameEdit_->setMaximumWidth(60);
  connect(frameEdit_, &QLineEdit::returnPressed, this, &TForm2_Edit::frameEditEntered);

  auto* bar = new QHBoxLayout;
  bar->addWidget(new QLabel("Frame"));
  bar->addWidget(frameEdit_);
  for (int step : {-50, -10, -1, 1, 10, 50}) {
    const QString caption = (step > 0 ? "+" : "") + QString::number(step);
    auto* button = new QPushButton(caption);
    button->setObjectName(caption);
    button->setMaximumWidth(48);
    connect(button, &QPushButton::clicked, this, [this, step] { stepFrame(step); });
    bar->addWidget(button);
  }
  bar->addStretch();
  auto* notes = fseq::makeButton("NoteFrequenciesButton", "Note Frequencies...");
  connect(notes, &QPushButton::clicked, this, [this] { fseq::showWindow(context_.windows.form4); });
  auto* close = fseq::makeButton("CloseButton", "Close");
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  bar->addWidget(notes);
  bar->addWidget(close);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(3);
  grid->addWidget(sectionLabel("Previous Frame"), 0, kPrevFreqColumn, 1, 2);
  grid->addWidget(sectionLabel("Next Frame"), 0, kNextFreqColumn, 1, 2);
  grid->addWidget(sectionLabel("Pitch"), 0, 2);

  addFreqRow(grid, 1, "Pitch Coarse", "Pitch",
             {nullptr, nullptr, nullptr, [](const FseqFrame& f) { return f.pitch(); },
              [](FseqFrame& f, FreqPair p) { f.setPitch(p); }});
  grid->addWidget(sectionLabel("Voiced Formants"), 2, 2, 1, 2);
  grid->addWidget(sectionLabel("Unvoiced Formants"), kFirstUnvoicedRow - 1, 2, 1, 2);
  for (int k = 0; k < fseq::kFormantCount; ++k) {
    const QString number = QString::number(k + 1);
    addFreqRow(grid, kFirstVoicedRow + k, "Freq" + number + " Coarse", "Voiced" + number,
               {nullptr, nullptr, nullptr, [k](const FseqFrame& f) { return f.voiced(k); },
                [k](FseqFrame& f, FreqPair p) { f.setVoiced(k, p); }});
    addLevelRow(grid, kFirstVoicedRow + k, "Level" + number, "Voiced" + number,
                {nullptr, nullptr, [k](const FseqFrame& f) { return f.voicedLevel(k); },
                 [k](FseqFrame& f, std::int32_t level) { f.voicedLevel(k) = level; }});
  }
  for (int k = 0; k < fseq::kFormantCount; ++k) {
    const QString number = QString::number(k + 1);
    addFreqRow(grid, kFirstUnvoicedRow + k, "Freq" + number + " Coarse", "Unvoiced" + number,
               {nullptr, nullptr, nullptr, [k](const FseqFrame& f) { return f.unvoiced(k); },
                [k](FseqFrame& f, FreqPair p) { f.setUnvoiced(k, p); }});
    addLevelRow(grid, kFirstUnvoicedRow + k, "Level" + number, "Unvoiced" + number,
                {nullptr, nullptr, [k](const FseqFrame& f) { return f.unvoicedLevel(k); },
                 [k](FseqFrame& f, std::int32_t level) { f.unvoicedLevel(k) = level; }});
  }

  // The side columns: value i of a neighbour frame sits in the row and column
  // of the control that shows value i of the current frame.
  // After the pitch come four groups of eight: F, L, UF and UL.
  for (int i = 0; i < 33; ++i) {
    const int group = i == 0 ? -1 : (i - 1) / fseq::kFormantCount;
    const int formant = i == 0 ? 0 : (i - 1) % fseq::kFormantCount;
    const bool level = group == 1 || group == 3;
    const int row = group < 0   ? 1
                    : group < 2 ? kFirstVoicedRow + formant
                                : kFirstUnvoicedRow + formant;
    previous_[i] = valueLabel(QString("PreviousValue%1").arg(i), level ? 30 : 56);
    next_[i] = valueLabel(QString("NextValue%1").arg(i), level ? 30 : 56);
    grid->addWidget(previous_[i], row, level ? kPrevLevelColumn : kPrevFreqColumn);
    grid->addWidget(next_[i], row, level ? kNextLevelColumn : kNextFreqColumn);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addSpacing(6);
  layout->addLayout(grid);
  layout->addStretch();

  Populate(context_.document.currentFrame);
}

void TForm2_Edit::addFreqRow(QGridLayout* grid, int row, const QString& name, const QString& tag,
                             FreqControls controls) {
  controls.coarse = makeBar(tag + "CoarseScrollBar", fseq::kMaxCoarse, 110);
  controls.fine = makeBar(tag + "FineScrollBar", fseq::kMaxFine, 170);
  controls.text = valueLabel(tag + "FreqText", 60);
  grid->addWidget(new QLabel(name), row, 2);
  grid->addWidget(controls.coarse, row, 3);
  grid->addWidget(new QLabel("Fine"), row, 4);
  grid->addWidget(controls.fine, row, 5);
  grid->addWidget(controls.text, row, 6);
  const std::size_t index = freqs_.size();
  freqs_.push_back(std::move(controls));
  for (QScrollBar* scrollBar : {freqs_[index].coarse, freqs_[index].fine}) {
    connect(scrollBar, &QScrollBar::valueChanged, this,
            [this, index] { freqScrolled(freqs_[index]); });
  }
}

void TForm2_Edit::addLevelRow(QGridLayout* grid, int row, const QString& name, const QString& tag,
                              LevelControls controls) {
  controls.bar = makeBar(tag + "LevelScrollBar", 127, 170);
  controls.text = valueLabel(tag + "LevelText", 30);
  grid->addWidget(new QLabel(name), row, 7);
  grid->addWidget(controls.bar, row, 8);
  grid->addWidget(controls.text, row, 9);
  const std::size_t index = levels_.size();
  levels_.push_back(std::move(controls));
  connect(levels_[index].bar, &QScrollBar::valueChanged, this,
          [this, index] { levelScrolled(levels_[index]); });
}

void TForm2_Edit::showEvent(QShowEvent* event) {
  Populate(context_.document.currentFrame);
  QWidget::showEvent(event);
}

void TForm2_Edit::Populate(int n) {
  const fseq::FseqDocument& document = context_.document;
  n = std::clamp(n, 1, fseq::kMaxFrames);
  frameEdit_->setText(QString::number(n));
  const FseqFrame& frame = document.frame(n);
  for (const FreqControls& controls : freqs_) {
    const QSignalBlocker blockCoarse(controls.coarse);
    const QSignalBlocker blockFine(controls.fine);
    const FreqPair pair = controls.get(frame);
    controls.coarse->setValue(pair.coarse);
    controls.fine->setValue(pair.fine);
    controls.text->setText(freqText(pair));
  }
  for (const LevelControls& controls : levels_) {
    const QSignalBlocker block(controls.bar);
    const std::int32_t level = controls.get(frame);
    controls.bar->setValue(level);
    controls.text->setText(QString::number(level));
  }
  showNeighbour(previous_, n - 1);
  showNeighbour(next_, n < document.frameCount ? n + 1 : 0);
}

void TForm2_Edit::showNeighbour(const std::array<QLabel*, 33>& column, int n) {
  if (n < 1) {
    for (QLabel* label : column) label->setText("---");
    return;
  }
  const auto texts = neighbourTexts(context_.document.frame(n));
  for (std::size_t i = 0; i < column.size(); ++i) column[i]->setText(texts[i]);
}

void TForm2_Edit::freqScrolled(const FreqControls& controls) {
  FseqFrame& frame = context_.document.frame(context_.document.currentFrame);
  const FreqPair pair{controls.coarse->value(), controls.fine->value()};
  controls.set(frame, pair);
  controls.text->setText(freqText(pair));
}

void TForm2_Edit::levelScrolled(const LevelControls& controls) {
  FseqFrame& frame = context_.document.frame(context_.document.currentFrame);
  controls.set(frame, controls.bar->value());
  controls.text->setText(QString::number(controls.bar->value()));
}

void TForm2_Edit::stepFrame(int step) {
  frameChanged(context_.document.currentFrame + step);
}

void TForm2_Edit::frameEditEntered() {
  const auto frame = fseq::frameNumberFromText(frameEdit_->text());
  if (!frame) {
    fseq::showNotAFrameNumber(context_, frameEdit_->text());
    return;
  }
  frameChanged(*frame);
}

void TForm2_Edit::frameChanged(int frame) {
  fseq::FseqDocument& document = context_.document;
  document.currentFrame = std::clamp(frame, 1, document.frameCount);
  Populate(document.currentFrame);
  auto& windows = context_.windows;
  if (windows.form1) windows.form1->showFrame(document.currentFrame);
  if (windows.form5) windows.form5->repaintPlot();
}
