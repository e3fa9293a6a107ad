#include "editor/forms/fseq_editor.h"

namespace fseq {

namespace {

// Creates a window, records it in the context before anything else can ask
// for it, and lets only the main window end the program on closing.
template <typename Form>
std::unique_ptr<Form> create(EditorContext& context, Form*& slot, bool main = false) {
  auto form = std::make_unique<Form>(context);
  slot = form.get();
  if (!main) form->setAttribute(Qt::WA_QuitOnClose, false);
  return form;
}

}  // namespace

FseqEditor::FseqEditor(UiServices& ui) : context_(ui) {
  EditorWindows& windows = context_.windows;
  form1_ = create(context_, windows.form1, true);
  form2_ = create(context_, windows.form2);
  form3_ = create(context_, windows.form3);
  form4_ = create(context_, windows.form4);
  form5_ = create(context_, windows.form5);
  form6_ = create(context_, windows.form6);
  form7_ = create(context_, windows.form7);
  form8_ = create(context_, windows.form8);
}

FseqEditor::~FseqEditor() {
  // The windows go first, while the context they refer to still exists.
  context_.windows = {};
  form8_.reset();
  form7_.reset();
  form6_.reset();
  form5_.reset();
  form4_.reset();
  form3_.reset();
  form2_.reset();
  form1_.reset();
}

}  // namespace fseq
