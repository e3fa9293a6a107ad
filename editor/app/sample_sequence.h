#pragma once

#include "editor/model/fseq_document.h"

namespace fseq {

// A 512-frame sequence of gliding pitch and moving voiced and unvoiced
// formants, something like a voice going through a few vowels and breaths.
// The screenshots load it so that every plot shows real curves.
FseqDocument sampleSequence();

}  // namespace fseq
