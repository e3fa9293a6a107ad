#include "editor/forms/unit4.h"

#include "editor/plots/note_pictures.h"

TForm4::TForm4(fseq::EditorContext&, QWidget* parent)
    : PictureWindow("Note Frequencies", fseq::drawNoteFrequencies(), parent) {}
