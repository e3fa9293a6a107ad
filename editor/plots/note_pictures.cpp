#include "editor/plots/note_pictures.h"

#include <QPainter>
#include <array>
#include <cmath>
#include <functional>

namespace fseq {

namespace {

constexpr std::array<const char*, 12> kNoteNames = {"C",  "C#", "D",  "D#", "E",  "F",
                                                    "F#", "G",  "G#", "A",  "A#", "B"};
constexpr int kMargin = 12;
constexpr int kTitleHeight = 44;
constexpr int kHeaderWidth = 64;
constexpr int kHeaderHeight = 24;
const QColor kHeaderFill{220, 228, 240};
const QColor kSharpFill{236, 236, 236};
const QColor kGridLine{150, 150, 150};
const QColor kMiddleFill{255, 244, 200};

bool isSharp(int noteInOctave) {
  return kNoteNames[static_cast<std::size_t>(noteInOctave)][1] == '#';
}

// A table of octaves (rows) by the twelve notes (columns) under a title; the
// cell text comes from `cellText`, and the cell of `highlighted` is tinted.
QImage drawNoteTable(const QString& title, const QString& note, int firstOctave, int octaves,
                     int cellWidth, int highlighted, const std::function<QString(int)>& cellText) {
  const int cellHeight = 26;
  const int width = 2 * kMargin + kHeaderWidth + 12 * cellWidth;
  const int height = 2 * kMargin + kTitleHeight + kHeaderHeight + octaves * cellHeight + 24;
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);

  QFont titleFont("Arial");
  titleFont.setPixelSize(17);
  titleFont.setBold(true);
  painter.setFont(titleFont);
  painter.setPen(Qt::black);
  painter.drawText(QRect(kMargin, kMargin, width - 2 * kMargin, kTitleHeight - 8),
                   Qt::AlignLeft | Qt::AlignVCenter, title);

  QFont font("Arial");
  font.setPixelSize(12);
  const int top = kMargin + kTitleHeight;
  const int left = kMargin + kHeaderWidth;
  painter.setFont(font);
  painter.fillRect(kMargin, top, width - 2 * kMargin, kHeaderHeight, kHeaderFill);
  painter.fillRect(kMargin, top, kHeaderWidth, kHeaderHeight + octaves * cellHeight, kHeaderFill);
  painter.drawText(QRect(kMargin, top, kHeaderWidth, kHeaderHeight), Qt::AlignCenter, "Octave");
  for (int n = 0; n < 12; ++n) {
    painter.drawText(QRect(left + n * cellWidth, top, cellWidth, kHeaderHeight), Qt::AlignCenter,
                     kNoteNames[static_cast<std::size_t>(n)]);
  }
  for (int row = 0; row < octaves; ++row) {
    const int y = top + kHeaderHeight + row * cellHeight;
    painter.drawText(QRect(kMargin, y, kHeaderWidth, cellHeight), Qt::AlignCenter,
                     QString::number(firstOctave + row));
    for (int n = 0; n < 12; ++n) {
      const int midiNote = (firstOctave + row + 1) * 12 + n;
      const QRect cell(left + n * cellWidth, y, cellWidth, cellHeight);
      if (midiNote == highlighted) {
        painter.fillRect(cell, kMiddleFill);
      } else if (isSharp(n)) {
        painter.fillRect(cell, kSharpFill);
      }
      painter.drawText(cell, Qt::AlignCenter, cellText(midiNote));
    }
  }
  painter.setPen(kGridLine);
  const int bottom = top + kHeaderHeight + octaves * cellHeight;
  for (int row = 0; row <= octaves + 1; ++row) {
    const int y = row == 0 ? top : top + kHeaderHeight + (row - 1) * cellHeight;
    painter.drawLine(kMargin, y, left + 12 * cellWidth, y);
  }
  painter.drawLine(kMargin, top, kMargin, bottom);
  for (int n = 0; n <= 12; ++n) {
    painter.drawLine(left + n * cellWidth, top, left + n * cellWidth, bottom);
  }
  painter.setPen(Qt::black);
  painter.drawText(QRect(kMargin, bottom + 4, width - 2 * kMargin, 20),
                   Qt::AlignLeft | Qt::AlignVCenter, note);
  return image;
}

}  // namespace

QString noteName(int midiNote) {
  const int octave = midiNote / 12 - 1;
  return QString(kNoteNames[static_cast<std::size_t>(midiNote % 12)]) + QString::number(octave);
}

double noteFrequencyHz(int midiNote) {
  return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

QImage drawMidiNoteNumbers() {
  constexpr int kLastNote = 127;
  return drawNoteTable("MIDI Note Numbers", "Middle C (C4) is note 60, A4 is note 69.", -1, 11, 62,
                       60, [](int midiNote) {
                         if (midiNote > kLastNote) return QString();
                         return QString::number(midiNote) + "  " + noteName(midiNote);
                       });
}

QImage drawNoteFrequencies() {
  return drawNoteTable(
      "Note Frequencies (Hz)", "Equal temperament, A4 = 440 Hz.", 0, 9, 70, 69,
      [](int midiNote) { return QString::number(noteFrequencyHz(midiNote), 'f', 2); });
}

}  // namespace fseq
