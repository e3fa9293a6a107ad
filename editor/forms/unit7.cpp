#include "editor/forms/unit7.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editor/forms/unit1.h"
#include "editor/forms/unit5.h"
#include "editor/forms/unit8.h"
#include "editor/forms/window_helpers.h"
#include "editor/midi/dump_upload.h"
#include "editor/midi/midi_error.h"
#include "editor/model/sysex_codec.h"

namespace {

constexpr std::size_t kVoicedSliders = fseq::kFormantCount;  // then one for all unvoiced
constexpr std::uint8_t kActiveSensing = 0xFE;
constexpr std::uint8_t kTimingClock = 0xF8;
constexpr const char* kMixerNames[] = {"VF1", "VF2", "VF3", "VF4", "VF5",
                                       "VF6", "VF7", "VF8", "UnV"};

QString speedRatioText(int position) {
  return QString::number(position / 10.0, 'f', 1) + " %";
}

QRadioButton* makeRadio(const char* objectName, const QString& caption, bool checked) {
  auto* button = new QRadioButton(caption);
  button->setObjectName(objectName);
  button->setChecked(checked);
  return button;
}

QSpinBox* makeSpin(const char* objectName, int minimum, int maximum, int value) {
  auto* spin = new QSpinBox;
  spin->setObjectName(objectName);
  spin->setRange(minimum, maximum);
  spin->setValue(value);
  return spin;
}

QScrollBar* makeScrollBar(const QString& objectName, int minimum, int maximum, int value,
                          int largeStep) {
  auto* bar = new QScrollBar(Qt::Horizontal);
  bar->setObjectName(objectName);
  bar->setRange(minimum, maximum);
  bar->setValue(value);
  bar->setPageStep(largeStep);
  bar->setMinimumWidth(160);
  return bar;
}

// A group of two radio buttons, the first selected at start.
QGroupBox* radioGroup(const QString& title, QRadioButton* first, QRadioButton* second) {
  auto* group = new QGroupBox(title);
  auto* layout = new QHBoxLayout(group);
  layout->addWidget(first);
  layout->addWidget(second);
  return group;
}

QListWidget* makeCheckList(const char* objectName, const std::vector<std::string>& names) {
  auto* list = new QListWidget;
  list->setObjectName(objectName);
  for (const std::string& name : names) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  return list;
}

}  // namespace

TForm7::TForm7(fseq::EditorContext& context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      devices_(fseq::currentMidiDevices()),
      clock_(devices_.clock(), [] { QCoreApplication::processEvents(); }),
      logLock(std::make_unique<std::mutex>()),
      outputChecked_(static_cast<std::size_t>(devices_.output().Count()), false) {
  setWindowTitle("FS1R UpLoad");
  buildControls();

  fseq::TMidiInput& input = devices_.input();
  input.OnMidiInput = [this](int device, std::uint8_t status, std::uint8_t data1,
                             std::uint8_t data2) { DoMidiInput(device, status, data1, data2); };
  input.OnSysExData = [this](int device, std::span<const std::uint8_t> bytes) {
    DoSysExData(device, bytes);
  };
  if (!devices_.problem().empty()) log("No MIDI devices: " + devices_.problem());

  connect(&context_, &fseq::EditorContext::mixerReset, this, &TForm7::showMixer);
  if (TForm1* form1 = context_.windows.form1) {
    connect(form1, &TForm1::pitchModeClicked, this, &TForm7::followMainPitchMode);
    form1->installEventFilter(this);
  }
}

TForm7::~TForm7() {
  FormDestroy();
}

void TForm7::FormDestroy() {
  if (!logLock) return;
  clock_.cancel();
  fseq::TMidiInput& input = devices_.input();
  input.CloseAll();
  input.OnMidiInput = nullptr;
  input.OnSysExData = nullptr;
  logLock.reset();
}

bool TForm7::eventFilter(QObject* watched, QEvent* event) {
  if (watched == context_.windows.form1 && event->type() == QEvent::Close) FormDestroy();
  return QWidget::eventFilter(watched, event);
}

void TForm7::buildControls() {
  const fseq::TMidiInput& input = devices_.input();
  const fseq::TMidiOutput& output = devices_.output();
  lbxInputDevices = makeCheckList("lbxInputDevices", input.Names());
  lbxOutputDevices = makeCheckList("lbxOutputDevices", output.Names());
  connect(lbxInputDevices, &QListWidget::itemChanged, this, &TForm7::inputToggled);
  connect(lbxOutputDevices, &QListWidget::itemChanged, this, &TForm7::outputToggled);

  memLog = new QPlainTextEdit;
  memLog->setObjectName("memLog");
  memLog->setReadOnly(true);
  memLog->setLineWrapMode(QPlainTextEdit::NoWrap);
  memLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memLog->setFont(fseq::monospaceFont());

  edtSysExData = new QLineEdit("F043105E1000000048F7");
  edtSysExData->setObjectName("edtSysExData");
  btnSendSysEx = fseq::makeButton("btnSendSysEx", "Send");
  UploadButton = fseq::makeButton("UploadButton", "Upload Fseq to FS1R");
  CloseButton = fseq::makeButton("CloseButton", "Close");
  connect(btnSendSysEx, &QPushButton::clicked, this, &TForm7::btnSendSysExClick);
  connect(UploadButton, &QPushButton::clicked, this, &TForm7::UploadButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);

  auto* devicesColumn = new QVBoxLayout;
  devicesColumn->addWidget(new QLabel("Input Devices:"));
  devicesColumn->addWidget(lbxInputDevices);
  devicesColumn->addWidget(new QLabel("Ouput Devices: Select the FS1R"));
  devicesColumn->addWidget(lbxOutputDevices);
  devicesColumn->addWidget(UploadButton);

  auto* sysExRow = new QHBoxLayout;
  sysExRow->addWidget(new QLabel("SysEx:"));
  sysExRow->addWidget(edtSysExData, 1);
  sysExRow->addWidget(btnSendSysEx);
  auto* logColumn = new QVBoxLayout;
  logColumn->addWidget(new QLabel("Log:"));
  logColumn->addWidget(memLog, 1);
  logColumn->addLayout(sysExRow);

  auto* top = new QHBoxLayout;
  top->addLayout(devicesColumn, 1);
  top->addLayout(logColumn, 2);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(buildLiveSettings(), 2);
  bottom->addWidget(buildMixer(), 1);

  auto* closeRow = new QHBoxLayout;
  closeRow->addStretch();
  closeRow->addWidget(CloseButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(bottom);
  layout->addLayout(closeRow);
}

QGroupBox* TForm7::buildLiveSettings() {
  liveGroup_ = new QGroupBox("Live Settings");
  InitializeButton = fseq::makeButton("InitializeButton", "Initialize FS1R");
  SpinEdit1 = makeSpin("SpinEdit1", 0, 4, 1);
  ComboBox1 = new QComboBox;
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  for (const char* bank : fseq::kBankNames) ComboBox1->addItem(bank);
  ComboBox1->setCurrentText("Bank B");
  SpinEdit2 = makeSpin("SpinEdit2", 1, 128, 115);
  SpinEdit3 = makeSpin("SpinEdit3", 1, 90, 1);
  PresetButton = makeRadio("PresetButton", "Preset", true);
  InternalButton = makeRadio("InternalButton", "Internal", false);
  FseqModeButton = makeRadio("FseqModeButton", "Fseq", true);
  ScratchButton = makeRadio("ScratchButton", "Scratch", false);
  FirstButton = makeRadio("FirstButton", "First", true);
  AllButton = makeRadio("AllButton", "All", false);
  PitchFseqButton = makeRadio("PitchFseqButton", "Fseq", true);
  PitchFixedButton = makeRadio("PitchFixedButton", "Fixed", false);
  Button1 = fseq::makeButton("Button1", "Speed Ratio");
  ScrollBar1 = makeScrollBar("ScrollBar1", 100, 5000, 1000, 100);
  SpeedLabel = fseq::makeLabel("SpeedLabel", "100 %");
  OffsetButton = fseq::makeButton("OffsetButton", "Start Offset");
  ScrollBar2 = makeScrollBar("ScrollBar2", 0, 511, 0, 10);
  OffsetLabel = fseq::makeLabel("OffsetLabel", "0");

  connect(InitializeButton, &QPushButton::clicked, this, &TForm7::InitializeButtonClick);
  connect(SpinEdit1, &QSpinBox::valueChanged, this, &TForm7::partChanged);
  connect(ComboBox1, &QComboBox::activated, this, &TForm7::bankChosen);
  // A typed name that is an item arrives through activated; any other is
  // refused once (the line edit reports one Enter twice).
  connect(ComboBox1->lineEdit(), &QLineEdit::returnPressed, this, [this] {
    const QString text = ComboBox1->currentText();
    if (ComboBox1->findText(text) >= 0 || text == refusedBankText_) return;
    refusedBankText_ = text;
    bankChosen();
  });
  connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this,
          [this] { refusedBankText_.clear(); });
  connect(SpinEdit2, &QSpinBox::valueChanged, this, &TForm7::patchChanged);
  connect(SpinEdit3, &QSpinBox::valueChanged, this,
          [this](int number) { sendLive(fseq::fseqNumber(number)); });
  for (QRadioButton* button : {PresetButton, InternalButton}) {
    connect(button, &QRadioButton::clicked, this, [this] {
      sendLive(fseq::fseqBank(PresetButton->isChecked() ? fseq::FseqBank::Preset
                                                        : fseq::FseqBank::Internal));
    });
  }
  for (QRadioButton* button : {FseqModeButton, ScratchButton}) {
    connect(button, &QRadioButton::clicked, this, [this] {
      sendLive(fseq::fseqMode(FseqModeButton->isChecked() ? fseq::FseqMode::Fseq
                                                          : fseq::FseqMode::Scratch));
    });
  }
  for (QRadioButton* button : {FirstButton, AllButton}) {
    connect(button, &QRadioButton::clicked, this, [this] {
      sendLive(fseq::keyOnTrig(FirstButton->isChecked() ? fseq::KeyOnTrig::First
                                                        : fseq::KeyOnTrig::All));
    });
  }
  for (QRadioButton* button : {PitchFseqButton, PitchFixedButton})
    connect(button, &QRadioButton::clicked, this, &TForm7::pitchModeClicked);
  connect(ScrollBar1, &QScrollBar::valueChanged, this,
          [this](int position) { SpeedLabel->setText(speedRatioText(position)); });
  connect(ScrollBar2, &QScrollBar::valueChanged, this,
          [this](int position) { OffsetLabel->setText(QString::number(position)); });
  connect(Button1, &QPushButton::clicked, this,
          [this] { sendLive(fseq::speedRatio(ScrollBar1->value())); });
  connect(OffsetButton, &QPushButton::clicked, this,
          [this] { sendLive(fseq::startOffset(ScrollBar2->value())); });

  auto* grid = new QGridLayout(liveGroup_);
  grid->addWidget(InitializeButton, 0, 0, 1, 2);
  grid->addWidget(new QLabel("Part Number"), 1, 0);
  grid->addWidget(SpinEdit1, 1, 1);
  grid->addWidget(new QLabel("Bank (Select B)"), 2, 0);
  grid->addWidget(ComboBox1, 2, 1);
  grid->addWidget(new QLabel("Patch (115 to 128)"), 3, 0);
  grid->addWidget(SpinEdit2, 3, 1);
  grid->addWidget(new QLabel("Fseq Number"), 4, 0);
  grid->addWidget(SpinEdit3, 4, 1);
  grid->addWidget(radioGroup("Fseq Bank", PresetButton, InternalButton), 0, 2);
  grid->addWidget(radioGroup("Fseq Mode", FseqModeButton, ScratchButton), 1, 2, 2, 1);
  grid->addWidget(radioGroup("KeyOnTrig", FirstButton, AllButton), 3, 2);
  grid->addWidget(radioGroup("Pitch Mode", PitchFseqButton, PitchFixedButton), 4, 2);
  grid->addWidget(Button1, 5, 0);
  grid->addWidget(ScrollBar1, 5, 1);
  grid->addWidget(SpeedLabel, 5, 2);
  grid->addWidget(OffsetButton, 6, 0);
  grid->addWidget(ScrollBar2, 6, 1);
  grid->addWidget(OffsetLabel, 6, 2);
  return liveGroup_;
}

QGroupBox* TForm7::buildMixer() {
  auto* group = new QGroupBox("Upload Mixer");
  auto* grid = new QGridLayout(group);
  for (std::size_t k = 0; k < mixerBars_.size(); ++k) {
    const bool unvoiced = k == kVoicedSliders;
    mixerBars_[k] = makeScrollBar(
        QString("ScrollBar") + kMixerNames[k], 0,
        unvoiced ? fseq::UploadMixer::kMaxUnvoicedPercent : fseq::UploadMixer::kMaxVoicedPercent,
        100, 10);
    mixerLabels_[k] = new QLabel;
    mixerLabels_[k]->setObjectName(QString("Label") + kMixerNames[k]);
    grid->addWidget(mixerLabels_[k], static_cast<int>(k), 0);
    grid->addWidget(mixerBars_[k], static_cast<int>(k), 1);
    connect(mixerBars_[k], &QScrollBar::valueChanged, this, &TForm7::mixerMoved);
  }
  showMixer();
  return group;
}

// ---- the driver's thread ----

void TForm7::DoMidiInput(int device, std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  if (status == kActiveSensing || status == kTimingClock) return;
  fseq::TMidiOutput& output = devices_.output();
  std::lock_guard lock(*logLock);
  queuedLines_.push_back(fseq::receivedShortLine(fseq::logTimeNow(), devices_.input().Name(device),
                                                 status, data1, data2));
  try {
    for (int index = static_cast<int>(outputChecked_.size()) - 1; index >= 0; --index) {
      if (!outputChecked_[static_cast<std::size_t>(index)]) continue;
      output.Send(index, status, data1, data2);
      queuedLines_.push_back(fseq::passedOnLine(output.Name(index)));
    }
  } catch (const fseq::MidiError& error) {
    queuedLines_.push_back(std::string("Error: ") + error.what());
  }
  scheduleQueuedLines();
}

void TForm7::DoSysExData(int device, std::span<const std::uint8_t> bytes) {
  std::lock_guard lock(*logLock);
  queuedLines_.push_back(
      fseq::receivedSysExLine(fseq::logTimeNow(), devices_.input().Name(device), bytes));
  scheduleQueuedLines();
}

void TForm7::scheduleQueuedLines() {
  if (linesScheduled_) return;
  linesScheduled_ = true;
  QMetaObject::invokeMethod(this, &TForm7::showQueuedLines, Qt::QueuedConnection);
}

// ---- the window's thread ----

void TForm7::showQueuedLines() {
  if (!logLock) return;
  std::vector<std::string> lines;
  {
    std::lock_guard lock(*logLock);
    lines.swap(queuedLines_);
    linesScheduled_ = false;
  }
  memLog->setUpdatesEnabled(false);
  for (const std::string& line : lines) log(line);
  memLog->setUpdatesEnabled(true);
}

void TForm7::log(const std::string& line) {
  QTextCursor cursor(memLog->document());
  cursor.movePosition(QTextCursor::Start);
  const bool empty = memLog->document()->isEmpty();
  cursor.insertText(QString::fromStdString(line));
  if (!empty) cursor.insertBlock();
}

template <typename Action>
void TForm7::reportingErrors(Action action) {
  try {
    action();
  } catch (const fseq::MidiError& error) {
    context_.showError(QString::fromStdString(error.what()));
  }
}

template <typename Action>
void TForm7::runPaced(Action action) {
  busy_ = true;
  const QList<QWidget*> held{lbxInputDevices, lbxOutputDevices, btnSendSysEx, UploadButton,
                             liveGroup_};
  for (QWidget* control : held) control->setEnabled(false);
  try {
    reportingErrors(action);
  } catch (const fseq::PauseCancelled&) {
    // The program is ending; the rest of the sequence is not sent.
  }
  for (QWidget* control : held) control->setEnabled(true);
  busy_ = false;
}

void TForm7::inputToggled(QListWidgetItem* item) {
  const int index = lbxInputDevices->row(item);
  if (item->checkState() != Qt::Checked) {
    devices_.input().Close(index);
    return;
  }
  try {
    devices_.input().Open(index);
  } catch (const fseq::MidiError& error) {
    const QSignalBlocker block(lbxInputDevices);
    item->setCheckState(Qt::Unchecked);
    context_.showError(QString::fromStdString(error.what()));
  }
}

void TForm7::outputToggled(QListWidgetItem* item) {
  const int index = lbxOutputDevices->row(item);
  const auto slot = static_cast<std::size_t>(index);
  if (item->checkState() != Qt::Checked) {
    {
      std::lock_guard lock(*logLock);
      outputChecked_[slot] = false;
    }
    devices_.output().Close(index);
    liveOutputDevice_ = -1;
    return;
  }
  try {
    devices_.output().Open(index);
  } catch (const fseq::MidiError& error) {
    const QSignalBlocker block(lbxOutputDevices);
    item->setCheckState(Qt::Unchecked);
    context_.showError(QString::fromStdString(error.what()));
    return;
  }
  {
    std::lock_guard lock(*logLock);
    outputChecked_[slot] = true;
  }
  liveOutputDevice_ = index;
}

std::vector<int> TForm7::checkedOutputsHighFirst() const {
  std::vector<int> outputs;
  for (int index = lbxOutputDevices->count() - 1; index >= 0; --index) {
    if (lbxOutputDevices->item(index)->checkState() == Qt::Checked) outputs.push_back(index);
  }
  return outputs;
}

void TForm7::btnSendSysExClick() {
  if (busy_) return;
  const std::string text = edtSysExData->text().toStdString();
  fseq::TMidiOutput& output = devices_.output();
  reportingErrors([&] {
    for (int index : checkedOutputsHighFirst()) {
      output.SendSysEx(index, text);
      log(fseq::sentTextLine(output.Name(index), text));
    }
  });
}

void TForm7::UploadButtonClick() {
  if (busy_) return;
  memLog->clear();
  fseq::Report report;
  const fseq::DumpBuffer dump = fseq::LoadBuffers(context_.document, context_.mixer, report);
  if (TForm1* form1 = context_.windows.form1) form1->addReport(report);
  const std::vector<int> outputs = checkedOutputsHighFirst();
  runPaced([&] {
    fseq::UploadDump(devices_.output(), outputs, dump, clock_,
                     [this](const std::string& line) { log(line); });
  });
}

void TForm7::InitializeButtonClick() {
  if (busy_ || liveOutputDevice_ < 0) return;
  const fseq::LiveSettings settings = liveSettings();
  if (settings.part >= 1 && chosenBank() < 0) return;
  const int device = liveOutputDevice_;
  runPaced([&] {
    fseq::InitializeFs1r(
        devices_.output(), device, settings, clock_, [this](const std::string& line) { log(line); },
        fseq::kUploadPauseMs);
  });
}

fseq::LiveSettings TForm7::liveSettings() const {
  fseq::LiveSettings settings;
  settings.part = SpinEdit1->value();
  settings.bankIndex = fseq::bankIndexOf(ComboBox1->currentText().toStdString());
  settings.patch = SpinEdit2->value();
  settings.bank = PresetButton->isChecked() ? fseq::FseqBank::Preset : fseq::FseqBank::Internal;
  settings.number = SpinEdit3->value();
  settings.mode = FseqModeButton->isChecked() ? fseq::FseqMode::Fseq : fseq::FseqMode::Scratch;
  settings.trigger = FirstButton->isChecked() ? fseq::KeyOnTrig::First : fseq::KeyOnTrig::All;
  settings.pitch =
      PitchFseqButton->isChecked() ? fseq::LivePitchMode::Fseq : fseq::LivePitchMode::Fixed;
  settings.speedRatio = ScrollBar1->value();
  settings.startOffset = ScrollBar2->value();
  return settings;
}

void TForm7::sendLive(const fseq::LiveMessage& message) {
  if (busy_ || liveOutputDevice_ < 0) return;
  reportingErrors([&] {
    fseq::sendLiveMessage(devices_.output(), liveOutputDevice_, message,
                          [this](const std::string& line) { log(line); });
  });
}

bool TForm7::partChosen() {
  if (SpinEdit1->value() >= 1) return true;
  context_.ui.message(fseq::kApplicationTitle, "Please select a Part Number First.",
                      fseq::MessageIcon::Information);
  return false;
}

int TForm7::chosenBank() {
  const QString text = ComboBox1->currentText();
  const int bank = fseq::bankIndexOf(text.toStdString());
  if (bank < 0) {
    context_.ui.message(fseq::kApplicationTitle,
                        "\"" + text +
                            "\" is not a bank. Choose one from the list: Off, Internal, "
                            "Bank A … Bank K.",
                        fseq::MessageIcon::Warning);
  }
  return bank;
}

void TForm7::partChanged() {
  sendLive(fseq::partChange(SpinEdit1->value()));
}

void TForm7::bankChosen() {
  if (!partChosen()) return;
  const int bank = chosenBank();
  if (bank >= 0) sendLive(fseq::bankSelect(SpinEdit1->value(), bank));
}

void TForm7::patchChanged() {
  if (partChosen()) sendLive(fseq::patchSelect(SpinEdit1->value(), SpinEdit2->value()));
}

void TForm7::pitchModeClicked() {
  const bool fseqMode = PitchFseqButton->isChecked();
  sendLive(fseq::pitchMode(fseqMode ? fseq::LivePitchMode::Fseq : fseq::LivePitchMode::Fixed));
  if (TForm1* form1 = context_.windows.form1)
    form1->selectPitchMode(fseqMode ? fseq::PitchMode::Fseq : fseq::PitchMode::Fixed);
}

void TForm7::followMainPitchMode(fseq::PitchMode mode) {
  QRadioButton* button = mode == fseq::PitchMode::Fseq ? PitchFseqButton : PitchFixedButton;
  if (button->isChecked()) return;
  button->setChecked(true);
  pitchModeClicked();
}

void TForm7::mixerMoved() {
  fseq::UploadMixer& mixer = context_.mixer;
  for (std::size_t k = 0; k < kVoicedSliders; ++k) mixer.voicedPercent[k] = mixerBars_[k]->value();
  mixer.unvoicedPercent = mixerBars_[kVoicedSliders]->value();
  for (std::size_t k = 0; k < mixerBars_.size(); ++k)
    mixerLabels_[k]->setText(QString("%1 %2").arg(kMixerNames[k]).arg(mixerBars_[k]->value()));
  if (TForm5_Plots* form5 = context_.windows.form5) form5->repaintPlot();
  if (TForm8* form8 = context_.windows.form8) form8->MoveCursor();
}

void TForm7::showMixer() {
  const fseq::UploadMixer& mixer = context_.mixer;
  for (std::size_t k = 0; k < mixerBars_.size(); ++k) {
    const int value = k < kVoicedSliders ? mixer.voicedPercent[k] : mixer.unvoicedPercent;
    const QSignalBlocker block(mixerBars_[k]);
    mixerBars_[k]->setValue(value);
    mixerLabels_[k]->setText(QString("%1 %2").arg(kMixerNames[k]).arg(value));
  }
}
