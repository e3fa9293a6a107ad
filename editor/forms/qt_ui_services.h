#pragma once

#include <QWidget>

#include "editor/forms/ui_services.h"

namespace fseq {

// The program's UiServices: QMessageBox and QFileDialog, shown over the
// window that is active at the time.
class QtUiServices : public UiServices {
 public:
  void message(const QString& caption, const QString& text, MessageIcon icon) override;
  std::optional<QString> openFileName(const QString& caption) override;
  std::optional<QString> saveFileName(const QString& caption) override;
};

}  // namespace fseq
