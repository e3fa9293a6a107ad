#include "editor/forms/unit3.h"

#include "editor/plots/note_pictures.h"

TForm3::TForm3(fseq::EditorContext&, QWidget* parent)
    : PictureWindow("Midi Note Numbers", fseq::drawMidiNoteNumbers(), parent) {}
