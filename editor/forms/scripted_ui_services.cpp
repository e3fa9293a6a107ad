#include "editor/forms/scripted_ui_services.h"

#include <stdexcept>

namespace fseq {

void ScriptedUiServices::message(const QString& caption, const QString& text, MessageIcon icon) {
  messages_.push_back({caption, text, icon});
}

std::optional<QString> ScriptedUiServices::openFileName(const QString& caption) {
  return nextFileAnswer(caption);
}

std::optional<QString> ScriptedUiServices::saveFileName(const QString& caption) {
  return nextFileAnswer(caption);
}

std::optional<QString> ScriptedUiServices::nextFileAnswer(const QString& caption) {
  if (fileAnswers_.empty()) {
    throw std::logic_error("no scripted answer for the file chooser \"" + caption.toStdString() +
                           "\"");
  }
  std::optional<QString> answer = std::move(fileAnswers_.front());
  fileAnswers_.pop_front();
  return answer;
}

}  // namespace fseq
