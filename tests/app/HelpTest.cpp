// --help on the program and on each command, with examples.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/app/ProgramRun.h"

namespace qh::app::testing {
namespace {

using ::testing::HasSubstr;

TEST(Help, EveryCommandExplainsItselfWithExamples) {
  TestFolder folder;
  for (const char* command : {"demo", "list", "tags", "tag", "export", "run", "shell"}) {
    const ProgramRun run = runQuillhour({command, "--help"}, folder.path());
    EXPECT_EQ(run.status, 0) << command;
    EXPECT_THAT(run.out, HasSubstr("Examples:")) << command;
    EXPECT_THAT(run.out, HasSubstr("quillhour")) << command;
  }
  const ProgramRun top = runQuillhour({"--help"}, folder.path());
  EXPECT_EQ(top.status, 0);
  for (const char* option : {"--mailbox", "--out", "--now", "--locale", "--outlook-version",
                             "--no-task-panes", "--answer"})
    EXPECT_THAT(top.out, HasSubstr(option));
  EXPECT_TRUE(folder.listing().empty());
}

TEST(Help, TheScriptCommandsListTheSessionLanguage) {
  TestFolder folder;
  const ProgramRun run = runQuillhour({"run", "--help"}, folder.path());
  for (const char* command :
       {"explorer open", "choose-tag TEXT", "inspector set", "pane choose-tag", "export check",
        "settings select", "about web", "show alerts"})
    EXPECT_THAT(run.out, HasSubstr(command));
}

}  // namespace
}  // namespace qh::app::testing
