#pragma once

#include <QObject>

#include "editor/forms/ui_services.h"
#include "editor/import/import_settings.h"
#include "editor/import/spectrum_import_buffer.h"
#include "editor/model/fseq_document.h"
#include "editor/model/upload_mixer.h"

class TForm1;
class TForm2_Edit;
class TForm3;
class TForm4;
class TForm5_Plots;
class TForm6_Settings;
class TForm7;
class TForm8;

namespace fseq {

// The eight windows, created at start-up in this order by FseqEditor and alive
// until the program ends. A window created early finds the later ones still
// null while it is being constructed.
struct EditorWindows {
  TForm1* form1 = nullptr;
  TForm2_Edit* form2 = nullptr;
  TForm3* form3 = nullptr;
  TForm4* form4 = nullptr;
  TForm5_Plots* form5 = nullptr;
  TForm6_Settings* form6 = nullptr;
  TForm7* form7 = nullptr;
  TForm8* form8 = nullptr;
};

// What the editor's windows share: the one document, the upload mixer, the
// import settings and the last imported spectrum, the UiServices every box
// goes through, and the windows themselves.
//
// How windows reach each other: every window is constructed as
// TFormN(EditorContext&, QWidget* parent = nullptr) and calls the others
// through `windows`:
//  - form1->showFrame(n) puts n into the frame selector; when its value
//    changes, the selector's change handler clamps it to the frame count,
//    repaints the formant plot (form5->repaintPlot()), shows the frame in the
//    value editor (form2->Populate()) and moves the frames plot's selection
//    (form8->MoveCursor()).
//  - form5->repaintPlot() and form8->repaintPlot() redraw the plots from the
//    document; setFileName() sets their file-name labels. Loaders and
//    importers call both.
//  - form1->selectPitchMode() selects "fseq" or "Fixed" without any effect
//    beyond the button; TForm1::pitchModeClicked is emitted when the user
//    clicks one of them (the upload window follows it and selects the main
//    window's button in turn).
//  - The upload window's mixer sliders write `mixer` and then call
//    form5->repaintPlot() and form8->MoveCursor(). Whoever else sets the
//    mixer (Clear All, Load .syx, the map import) emits mixerReset() so the
//    sliders follow.
//  - The import settings window writes importSettings; the imports fill
//    spectrum and set document.importedFrame. The formant plot draws the
//    spectrum when the current frame is the imported one, with the
//    formantBandwidth and noiseLevelBias of importSettings.
// Everything runs on the window thread.
class EditorContext : public QObject {
  Q_OBJECT

 public:
  explicit EditorContext(UiServices& uiServices) : ui(uiServices) {}

  UiServices& ui;
  FseqDocument document;
  UploadMixer mixer;
  ImportSettings importSettings;
  SpectrumImportBuffer spectrum;
  EditorWindows windows;

  // Shows an error of an operation in a message box with the program's title.
  void showError(const QString& text) const;

 signals:
  void mixerReset();
};

// The application title, also the caption of the editor's own message boxes.
inline constexpr const char* kApplicationTitle = "Vostrel_Fseq_Editor";

}  // namespace fseq
