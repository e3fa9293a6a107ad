#include "editor/forms/editor_context.h"

namespace fseq {

void EditorContext::showError(const QString& text) const {
  ui.message(kApplicationTitle, text, MessageIcon::Critical);
}

}  // namespace fseq
