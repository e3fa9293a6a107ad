#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "editor/forms/editor_context.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QScrollBar;

// The window "Edit Fseq Frame Values": every value of the current frame as a
// scroll bar and a text, with the previous and the next frame beside it.
// Changes go straight into the document.
class TForm2_Edit : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2_Edit(fseq::EditorContext& context, QWidget* parent = nullptr);

  // Shows frame n (1 … 512).
  void Populate(int n);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // One frequency of the frame (the pitch or a formant): its two scroll bars,
  // its text and how it is read from and written to a frame.
  struct FreqControls {
    QScrollBar* coarse;
    QScrollBar* fine;
    QLabel* text;
    std::function<fseq::FreqPair(const fseq::FseqFrame&)> get;
    std::function<void(fseq::FseqFrame&, fseq::FreqPair)> set;
  };
  // One level of the frame.
  struct LevelControls {
    QScrollBar* bar;
    QLabel* text;
    std::function<std::int32_t(const fseq::FseqFrame&)> get;
    std::function<void(fseq::FseqFrame&, std::int32_t)> set;
  };

  void stepFrame(int step);
  void frameEditEntered();
  void frameChanged(int frame);
  void freqScrolled(const FreqControls& controls);
  void levelScrolled(const LevelControls& controls);
  void showNeighbour(const std::array<QLabel*, 33>& column, int n);
  void addFreqRow(QGridLayout* grid, int row, const QString& name, const QString& tag,
                  FreqControls controls);
  void addLevelRow(QGridLayout* grid, int row, const QString& name, const QString& tag,
                   LevelControls controls);

  fseq::EditorContext& context_;
  QLineEdit* frameEdit_;
  std::vector<FreqControls> freqs_;    // pitch, F1 … F8, UF1 … UF8
  std::vector<LevelControls> levels_;  // L1 … L8, UL1 … UL8
  // The previous and the next frame: pitch, F1 … F8, L1 … L8, UF1 … UF8, UL1 … UL8.
  std::array<QLabel*, 33> previous_{};
  std::array<QLabel*, 33> next_{};
};
