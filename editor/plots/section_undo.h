#pragma once

#include "editor/model/fseq_document.h"

namespace fseq {

// The one-step undo of the section operations: saveUndo copies all 512 frames
// into undoFrames, undoSectionEdit copies them back (undoFrames stays, so a
// second undo changes nothing).
inline void saveUndo(FseqDocument& document) {
  document.undoFrames = document.frames;
}
inline void undoSectionEdit(FseqDocument& document) {
  document.frames = document.undoFrames;
}

}  // namespace fseq
