#pragma once

#include <QImage>
#include <QString>

// The two reference pictures of the editor: the MIDI note numbers with their
// note names, and the equal-tempered note frequencies (A4 = 440 Hz). Octaves
// are numbered so that middle C, MIDI note 60, is C4.
namespace fseq {

// "C4" for 60, "A#-1" for 10, "G9" for 127.
QString noteName(int midiNote);

// 440 × 2^((midiNote − 69) / 12).
double noteFrequencyHz(int midiNote);

QImage drawMidiNoteNumbers();
QImage drawNoteFrequencies();

}  // namespace fseq
