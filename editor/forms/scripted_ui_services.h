#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "editor/forms/ui_services.h"

// A UiServices for tests: file choosers answer from a queue, message boxes
// are recorded instead of shown. Asking a chooser with an empty queue is a
// test's mistake and throws, so it cannot pass unnoticed.
namespace fseq {

struct ShownMessage {
  QString caption;
  QString text;
  MessageIcon icon;
};

class ScriptedUiServices : public UiServices {
 public:
  // The next answer of a file chooser (open or save); an empty optional
  // stands for Cancel.
  void queueFileName(std::optional<QString> answer) { fileAnswers_.push_back(std::move(answer)); }

  const std::vector<ShownMessage>& messages() const { return messages_; }
  std::size_t pendingFileAnswers() const { return fileAnswers_.size(); }

  void message(const QString& caption, const QString& text, MessageIcon icon) override;
  std::optional<QString> openFileName(const QString& caption) override;
  std::optional<QString> saveFileName(const QString& caption) override;

 private:
  std::optional<QString> nextFileAnswer(const QString& caption);

  std::deque<std::optional<QString>> fileAnswers_;
  std::vector<ShownMessage> messages_;
};

}  // namespace fseq
