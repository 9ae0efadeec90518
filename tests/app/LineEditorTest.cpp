#include "apps/quillhour/LineEditor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qh::app {
namespace {

using ::testing::ElementsAre;

TEST(LineEditor, EditsAtTheCursorCharacterByCharacter) {
  LineEditor e;
  e.insert("show tgs");
  e.left();
  e.left();
  e.insert("a");
  EXPECT_EQ(e.text(), "show tags");
  e.home();
  e.erase();
  EXPECT_EQ(e.text(), "how tags");
  e.end();
  e.backspace();
  EXPECT_EQ(e.text(), "how tag");
  e.home();
  e.right();
  e.killToEnd();
  EXPECT_EQ(e.text(), "h");
  e.backspace();
  e.backspace();
  e.left();
  EXPECT_EQ(e.text(), "");
  EXPECT_EQ(e.cursor(), 0u);
}

TEST(LineEditor, ACharacterOfSeveralBytesMovesAndGoesAsOne) {
  LineEditor e;
  e.insert("Müller");
  e.home();
  e.right();
  e.right();
  EXPECT_EQ(e.cursor(), 3u);
  e.backspace();
  EXPECT_EQ(e.text(), "Mller");
  e.insert("ü");
  e.left();
  e.erase();
  EXPECT_EQ(e.text(), "Mller");
}

TEST(LineEditor, HistoryRecallsEarlierLinesAndKeepsTheDraft) {
  LineEditor e;
  e.insert("show bar");
  EXPECT_EQ(e.accept(), "show bar");
  e.insert("   ");
  e.accept();
  e.insert("show tags");
  e.accept();
  e.insert("show tags");
  e.accept();
  EXPECT_THAT(e.history(), ElementsAre("show bar", "show tags")) << "no blanks, no repeats";

  e.insert("sel");
  e.older();
  EXPECT_EQ(e.text(), "show tags");
  e.older();
  e.older();
  EXPECT_EQ(e.text(), "show bar");
  e.newer();
  EXPECT_EQ(e.text(), "show tags");
  e.newer();
  EXPECT_EQ(e.text(), "sel");
  EXPECT_EQ(e.cursor(), 3u);
  e.newer();
  EXPECT_EQ(e.text(), "sel");
}

TEST(LineEditor, ARecalledLineCanBeEditedAndEntered) {
  LineEditor e;
  e.insert("select a");
  e.accept();
  e.older();
  e.insert(" b");
  EXPECT_EQ(e.accept(), "select a b");
  EXPECT_THAT(e.history(), ElementsAre("select a", "select a b"));
  EXPECT_EQ(e.text(), "");
}

}  // namespace
}  // namespace qh::app
