#include "editor/forms/unit6.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editor/forms/unit5.h"
#include "editor/forms/window_helpers.h"

using fseq::FormantLocationMode;
using fseq::ImportSettings;

namespace {

constexpr const char* kBandCaptions[8] = {
    "1st Formant Finder Freq Band (0-300 hz)",     "2nd Formant Finder Freq Band (300-750 hz)",
    "3rd Formant Finder Freq Band (750-1500 hz)",  "4th Formant Finder Freq Band (1500-2300 hz)",
    "5th Formant Finder Freq Band (2300-3000 hz)", "6th Formant Finder Freq Band (3000-4500 hz)",
    "7th Formant Finder Freq Band (4500-5500 hz)", "8th Formant Finder Freq Band (5500-8000 hz)"};

constexpr int kBarWidth = 220;

}  // namespace

TForm6_Settings::TForm6_Settings(fseq::EditorContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
  setWindowTitle("Import Settings");

  auto* header = new QLabel("Settings for Spectrum Plot Import");
  header->setStyleSheet("font-weight: bold; font-size: 12pt;");
  auto* close = fseq::makeButton("CloseButton", "Close");
  connect(close, &QPushButton::clicked, this, &QWidget::hide);

  auto* columns = new QHBoxLayout;
  columns->addWidget(buildSearchColumn());
  columns->addWidget(buildPlotColumn());
  auto* footer = new QHBoxLayout;
  footer->addStretch();
  footer->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(header);
  layout->addLayout(columns);
  layout->addLayout(footer);
  showMode();
}

QWidget* TForm6_Settings::buildSearchColumn() {
  ImportSettings& settings = context_.importSettings;
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* pitchGrid = new QGridLayout;
  addBar(pitchGrid, 0, "PitchFinderMaxBar", "Note Pitch Finder Maximum (300 hz)",
         ImportSettings::kPitchFinderMaxRange, 50, &settings.pitchFinderMax, false);
  addBar(pitchGrid, 1, "NoiseLevelBiasBar", "Noise Level Bias (0 dB)",
         ImportSettings::kNoiseLevelBiasRange, 10, &settings.noiseLevelBias, true);
  layout->addLayout(pitchGrid);

  auto* modeBox = new QGroupBox("Formant Location Mode");
  frequencyBands_ = new QRadioButton("Frequency Bands");
  frequencyBands_->setObjectName("FrequencyBandsButton");
  specificFrequencies_ = new QRadioButton("Specific Frequencies");
  specificFrequencies_->setObjectName("SpecificFrequenciesButton");
  (settings.mode == FormantLocationMode::FrequencyBands ? frequencyBands_ : specificFrequencies_)
      ->setChecked(true);
  auto* modeRow = new QHBoxLayout(modeBox);
  modeRow->addWidget(frequencyBands_);
  modeRow->addWidget(specificFrequencies_);
  connect(frequencyBands_, &QRadioButton::toggled, this, [this](bool on) {
    context_.importSettings.mode =
        on ? FormantLocationMode::FrequencyBands : FormantLocationMode::SpecificFrequencies;
    showMode();
  });
  layout->addWidget(modeBox);

  auto* bandGrid = new QGridLayout;
  for (int k = 0; k < 8; ++k) {
    addBar(bandGrid, k, QString("BandBar%1").arg(k + 1), kBandCaptions[k],
           ImportSettings::kBandUpperRange, k < 3 ? 50 : 100,
           &settings.bandUpperHz[static_cast<std::size_t>(k)], false, &bandControls_);
  }
  layout->addLayout(bandGrid);

  auto* specificGrid = new QGridLayout;
  for (int k = 0; k < 8; ++k) {
    auto* caption = new QLabel(QString("Formant Freq %1").arg(k + 1));
    QSpinBox* spin =
        makeSpin(QString("FormantFreq%1").arg(k + 1), ImportSettings::kSpecificFrequencyRange,
                 &settings.specificHz[static_cast<std::size_t>(k)]);
    specificGrid->addWidget(caption, k / 2, 2 * (k % 2));
    specificGrid->addWidget(spin, k / 2, 2 * (k % 2) + 1);
    specificControls_.insert(specificControls_.end(), {caption, spin});
  }
  auto* rangeCaption = new QLabel("Range (+- 100)");
  QSpinBox* range =
      makeSpin("RangeSpin", ImportSettings::kSpecificRangeRange, &settings.specificRangeHz);
  specificGrid->addWidget(rangeCaption, 4, 0);
  specificGrid->addWidget(range, 4, 1);
  specificControls_.insert(specificControls_.end(), {rangeCaption, range});
  layout->addLayout(specificGrid);
  layout->addStretch();
  return column;
}

QWidget* TForm6_Settings::buildPlotColumn() {
  ImportSettings& settings = context_.importSettings;
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* bandwidthBox = new QGroupBox("Formant Bandwidth");
  auto* bandwidthGrid = new QGridLayout(bandwidthBox);
  for (int k = 0; k < 8; ++k) {
    addBar(bandwidthGrid, k, QString("BandwidthBar%1").arg(k + 1), QString("F%1").arg(k + 1),
           ImportSettings::kFormantBandwidthRange, 10,
           &settings.formantBandwidth[static_cast<std::size_t>(k)], true);
  }
  bandwidthGrid->addWidget(new QLabel("For Plot display only."), 16, 0, 1, 3);
  bandwidthGrid->addWidget(new QLabel("Set these in your voice patch."), 17, 0, 1, 3);
  layout->addWidget(bandwidthBox);

  auto* separate = new QCheckBox("Separate Voiced and UnVoiced Freq Bands");
  separate->setObjectName("SeparateBandsCheck");
  separate->setChecked(settings.separateBands);
  connect(separate, &QCheckBox::toggled, this,
          [this](bool on) { context_.importSettings.separateBands = on; });
  layout->addWidget(separate);
  auto* thresholdRow = new QHBoxLayout;
  thresholdRow->addWidget(new QLabel("Difference Threshold"));
  thresholdRow->addWidget(makeSpin("DifferenceThresholdSpin",
                                   ImportSettings::kDifferenceThresholdRange,
                                   &settings.differenceThreshold));
  thresholdRow->addStretch();
  layout->addLayout(thresholdRow);
  layout->addStretch();
  return column;
}

void TForm6_Settings::addBar(QGridLayout* grid, int row, const QString& name,
                             const QString& caption, fseq::SettingRange range, int pageStep,
                             std::int32_t* field, bool repaintsPlot, std::vector<QWidget*>* group) {
  auto* bar = new QScrollBar(Qt::Horizontal);
  bar->setObjectName(name);
  bar->setRange(range.min, range.max);
  bar->setPageStep(pageStep);
  bar->setValue(*field);
  bar->setMinimumWidth(kBarWidth);
  auto* value = new QLabel(QString::number(*field));
  value->setObjectName(name + "Value");
  value->setMinimumWidth(40);
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* label = new QLabel(caption);
  grid->addWidget(label, 2 * row, 0, 1, 2);
  grid->addWidget(bar, 2 * row + 1, 0);
  grid->addWidget(value, 2 * row + 1, 1);
  connect(bar, &QScrollBar::valueChanged, this, [this, value, field, repaintsPlot](int position) {
    *field = position;
    value->setText(QString::number(position));
    if (repaintsPlot && context_.windows.form5) context_.windows.form5->repaintPlot();
  });
  if (group) group->insert(group->end(), {label, bar, value});
}

QSpinBox* TForm6_Settings::makeSpin(const QString& name, fseq::SettingRange range,
                                    std::int32_t* field) {
  auto* spin = new QSpinBox;
  spin->setObjectName(name);
  spin->setRange(range.min, range.max);
  spin->setValue(*field);
  connect(spin, &QSpinBox::valueChanged, this, [field](int value) { *field = value; });
  return spin;
}

void TForm6_Settings::showMode() {
  const bool bands = context_.importSettings.mode == FormantLocationMode::FrequencyBands;
  for (QWidget* widget : bandControls_) widget->setVisible(bands);
  for (QWidget* widget : specificControls_) widget->setVisible(!bands);
}
