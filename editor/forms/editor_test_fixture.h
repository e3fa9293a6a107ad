#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <filesystem>

#include "editor/forms/fseq_editor.h"
#include "editor/forms/scripted_ui_services.h"
#include "test_support/temp_dir.h"

namespace fseq {

// The whole editor as the program creates it, with scripted boxes and a
// folder for files.
class EditorTest : public testing::Test {
 protected:
  ScriptedUiServices ui;
  FseqEditor editor{ui};
  EditorContext& context = editor.context();
  FseqDocument& document = context.document;
  test_support::TempDir folder;

  TForm1* form1() const { return editor.windows().form1; }
  TForm2_Edit* form2() const { return editor.windows().form2; }
  TForm5_Plots* form5() const { return editor.windows().form5; }
  TForm8* form8() const { return editor.windows().form8; }

  // A control of a window by its objectName; fails the test when missing.
  template <typename Control>
  Control* control(const QWidget* window, const QString& name) const {
    auto* found = window->findChild<Control*>(name);
    if (!found) ADD_FAILURE() << "no control " << name.toStdString();
    return found;
  }

  QString path(const char* name) const { return QString::fromStdString((folder / name).string()); }

  // Presses Enter in a text box, as a user confirming a typed value.
  static void typeAndEnter(QWidget* edit, const QString& text);

  // Mouse events on a plot, in the plot's pixels.
  static void mouse(QWidget* target, QEvent::Type type, QPoint position);
};

inline void EditorTest::typeAndEnter(QWidget* edit, const QString& text) {
  edit->setProperty("text", text);
  QTest::keyClick(edit, Qt::Key_Return);
}

inline void EditorTest::mouse(QWidget* target, QEvent::Type type, QPoint position) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(position), target->mapToGlobal(QPointF(position)), Qt::LeftButton,
                    held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

}  // namespace fseq
