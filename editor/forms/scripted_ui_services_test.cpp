#include "editor/forms/scripted_ui_services.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace fseq {
namespace {

TEST(ScriptedUiServices, AnswersChoosersInOrderAndRecordsMessages) {
  ScriptedUiServices ui;
  ui.queueFileName("a.syx");
  ui.queueFileName(std::nullopt);
  EXPECT_EQ(ui.openFileName("Load .syx"), "a.syx");
  EXPECT_EQ(ui.saveFileName("Save .syx"), std::nullopt);
  EXPECT_EQ(ui.pendingFileAnswers(), 0u);

  ui.message("Caption", "Text", MessageIcon::Warning);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].caption, "Caption");
  EXPECT_EQ(ui.messages()[0].text, "Text");
  EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Warning);
}

TEST(ScriptedUiServices, AChooserWithoutAnAnswerIsATestMistake) {
  ScriptedUiServices ui;
  EXPECT_THROW(ui.openFileName("Load Text"), std::logic_error);
}

}  // namespace
}  // namespace fseq
