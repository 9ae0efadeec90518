#include "apps/quillhour/ShellCompletion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "apps/quillhour/TerminalLines.h"

namespace qh::app {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ShellCompletionTest : public ::testing::Test {
 protected:
  ShellCompletion completion{{[] {
                                return std::vector<std::string>{"fortnight-2@x", "fortnight-18@x"};
                              },
                              [] {
                                return std::vector<std::string>{"Beacon", "Atlas", "Big Deal"};
                              }}};
  std::vector<std::string> texts(std::string_view line) { return completion.complete(line).texts; }
};

TEST_F(ShellCompletionTest, CompletesCommandsWordByWord) {
  EXPECT_THAT(texts("ex"), ElementsAre("explorer", "export"));
  EXPECT_THAT(texts("export ch"), ElementsAre("check"));
  EXPECT_THAT(texts("export check m"), ElementsAre("mark", "minutes"));
  EXPECT_THAT(texts("export check mark "), ElementsAre("off", "on"));
  EXPECT_THAT(texts("show s"), ElementsAre("settings"));
  EXPECT_EQ(completion.complete("show s").from, 5u);
  EXPECT_THAT(texts("quit "), IsEmpty());
  EXPECT_THAT(texts("nonsense x"), IsEmpty());
}

TEST_F(ShellCompletionTest, OffersEntryIdsAndTagsWhereACommandTakesThem) {
  EXPECT_THAT(texts("select fortnight-2@x fortnight-1"), ElementsAre("fortnight-18@x"));
  EXPECT_THAT(texts("show item f"), ElementsAre("fortnight-18@x", "fortnight-2@x"));
  EXPECT_THAT(texts("inspector choose-tag B"), ElementsAre("Beacon", "Big Deal"));
  // A text that runs to the end of the line completes whole, blanks included.
  const ShellCompletion::Choices deal = completion.complete("choose-tag Big D");
  EXPECT_EQ(deal.from, 11u);
  EXPECT_THAT(deal.texts, ElementsAre("Big Deal"));
  EXPECT_THAT(texts("press "),
              ElementsAre("About Quillhour", "Export Times", "New Time", "Settings"));
  EXPECT_EQ(commonPrefix(texts("press New")), "New Time");
  EXPECT_EQ(commonPrefix(texts("ex")), "exp");
}

TEST(ShellHistory, LivesInTheUsersStateFolder) {
  const char* home = std::getenv("HOME");
  const std::string savedHome = home ? home : "";
  const char* state = std::getenv("XDG_STATE_HOME");
  const std::string savedState = state ? state : "";
  ::setenv("XDG_STATE_HOME", "/tmp/state", 1);
  EXPECT_EQ(TerminalLines::historyFile(), "/tmp/state/quillhour/history");
  ::unsetenv("XDG_STATE_HOME");
  ::setenv("HOME", "/home/me", 1);
  EXPECT_EQ(TerminalLines::historyFile(), "/home/me/.local/state/quillhour/history");
  ::setenv("HOME", savedHome.c_str(), 1);
  if (state) ::setenv("XDG_STATE_HOME", savedState.c_str(), 1);
}

}  // namespace
}  // namespace qh::app
