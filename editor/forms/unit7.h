#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "editor/forms/editor_context.h"
#include "editor/midi/live_messages.h"
#include "editor/midi/midi_device_provider.h"
#include "editor/midi/pumping_clock.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSpinBox;

// The window "FS1R UpLoad": lists the MIDI devices with a check box each,
// uploads the sequence as one bulk dump to every checked output, sends the
// FS1R's live parameter changes to the live output (the output checked
// last), sends typed SysEx, logs what the checked inputs receive and passes
// their short messages on to the checked outputs. Its sliders are the upload
// mixer. The devices come from currentMidiDevices().
class TForm7 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm7(fseq::EditorContext& context, QWidget* parent = nullptr);
  ~TForm7() override;

  // The output that receives the live parameter changes, or −1 for none.
  int liveOutputDevice() const { return liveOutputDevice_; }

  // Closes the open input devices, so no callback arrives any more, then
  // releases logLock. Runs when the main window closes ("Exit"); an upload or
  // "Initialize FS1R" still waiting stops at its next pause.
  void FormDestroy();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The MIDI driver's thread: log, pass on; the GUI thread shows the lines.
  void DoMidiInput(int device, std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
  void DoSysExData(int device, std::span<const std::uint8_t> bytes);
  void scheduleQueuedLines();
  void showQueuedLines();

  void inputToggled(QListWidgetItem* item);
  void outputToggled(QListWidgetItem* item);
  void btnSendSysExClick();
  void UploadButtonClick();
  void InitializeButtonClick();
  void partChanged();
  void bankChosen();
  void patchChanged();
  void pitchModeClicked();
  void followMainPitchMode(fseq::PitchMode mode);
  void mixerMoved();
  void showMixer();

  // Sends one live message to the live output, if there is one.
  void sendLive(const fseq::LiveMessage& message);
  // The bank the combo box names, or −1 (after saying so) for a typed name
  // that is not one of its items.
  int chosenBank();
  bool partChosen();
  fseq::LiveSettings liveSettings() const;
  std::vector<int> checkedOutputsHighFirst() const;

  // Runs a paced sequence: other sends are refused until it ends; the window
  // keeps painting. MIDI errors are shown.
  template <typename Action>
  void runPaced(Action action);
  template <typename Action>
  void reportingErrors(Action action);

  void log(const std::string& line);
  void buildControls();
  QGroupBox* buildLiveSettings();
  QGroupBox* buildMixer();

  fseq::EditorContext& context_;
  fseq::MidiDeviceProvider& devices_;
  fseq::PumpingClock clock_;
  int liveOutputDevice_ = -1;
  bool busy_ = false;
  QString refusedBankText_;

  // Held by the driver-thread handlers for all their work; also guards what
  // they share with the GUI thread: the checked outputs and the queued lines.
  std::unique_ptr<std::mutex> logLock;
  std::vector<bool> outputChecked_;
  std::vector<std::string> queuedLines_;
  bool linesScheduled_ = false;

  QListWidget* lbxInputDevices;
  QListWidget* lbxOutputDevices;
  QPlainTextEdit* memLog;
  QLineEdit* edtSysExData;
  QPushButton* btnSendSysEx;
  QPushButton* UploadButton;
  QPushButton* CloseButton;
  QPushButton* InitializeButton;
  QGroupBox* liveGroup_;
  QSpinBox* SpinEdit1;
  QComboBox* ComboBox1;
  QSpinBox* SpinEdit2;
  QSpinBox* SpinEdit3;
  QRadioButton* PresetButton;
  QRadioButton* InternalButton;
  QRadioButton* FseqModeButton;
  QRadioButton* ScratchButton;
  QRadioButton* FirstButton;
  QRadioButton* AllButton;
  QRadioButton* PitchFseqButton;
  QRadioButton* PitchFixedButton;
  QPushButton* Button1;
  QScrollBar* ScrollBar1;
  QLabel* SpeedLabel;
  QPushButton* OffsetButton;
  QScrollBar* ScrollBar2;
  QLabel* OffsetLabel;
  std::array<QScrollBar*, 9> mixerBars_;  // VF1 … VF8, UnV
  std::array<QLabel*, 9> mixerLabels_;
};
