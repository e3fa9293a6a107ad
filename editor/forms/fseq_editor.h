#pragma once

#include <memory>

#include "editor/forms/editor_context.h"
#include "editor/forms/unit1.h"
#include "editor/forms/unit2.h"
#include "editor/forms/unit3.h"
#include "editor/forms/unit4.h"
#include "editor/forms/unit5.h"
#include "editor/forms/unit6.h"
#include "editor/forms/unit7.h"
#include "editor/forms/unit8.h"

namespace fseq {

// The editor as a whole: the shared context and the eight windows, created
// in the order TForm1 … TForm8 (each creation step may rely on the windows
// before it) and destroyed together. Only the main window ends the program
// when it closes; the others are hidden and shown on demand, none modal.
class FseqEditor {
 public:
  explicit FseqEditor(UiServices& ui);
  ~FseqEditor();
  FseqEditor(const FseqEditor&) = delete;
  FseqEditor& operator=(const FseqEditor&) = delete;

  EditorContext& context() { return context_; }
  const EditorWindows& windows() const { return context_.windows; }

 private:
  EditorContext context_;
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm2_Edit> form2_;
  std::unique_ptr<TForm3> form3_;
  std::unique_ptr<TForm4> form4_;
  std::unique_ptr<TForm5_Plots> form5_;
  std::unique_ptr<TForm6_Settings> form6_;
  std::unique_ptr<TForm7> form7_;
  std::unique_ptr<TForm8> form8_;
};

}  // namespace fseq
