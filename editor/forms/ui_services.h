#pragma once

#include <QString>
#include <optional>

// Every modal interaction of the editor's windows goes through this interface:
// the program installs QtUiServices, tests install ScriptedUiServices, so no
// test ever waits on a modal box.
namespace fseq {

enum class MessageIcon { Information, Warning, Critical };

class UiServices {
 public:
  virtual ~UiServices() = default;

  // A message box with one OK button.
  virtual void message(const QString& caption, const QString& text, MessageIcon icon) = 0;

  // The open and save file choosers: no file-type filter, no extension added.
  // Empty when the user cancels.
  virtual std::optional<QString> openFileName(const QString& caption) = 0;
  virtual std::optional<QString> saveFileName(const QString& caption) = 0;
};

}  // namespace fseq
