#include "apps/quillhour/ParsedCommand.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "apps/quillhour/Errors.h"

namespace qh::app {
namespace {

using ::testing::ElementsAre;

TEST(ParsedCommand, BlankLinesAndCommentsHoldNoCommand) {
  for (const char* line : {"", "   ", "\t\r", "# a comment", "   # indented comment"})
    EXPECT_TRUE(ParsedCommand(line).empty()) << line;
  EXPECT_EQ(ParsedCommand("choose-tag #1").textFrom(1), "#1") << "# inside a line is text";
}

TEST(ParsedCommand, TextRunsToTheEndOfTheLineWithoutOuterBlanks) {
  const ParsedCommand command("  inspector   set body  Agenda:  two   blanks kept \r");
  EXPECT_EQ(command.size(), 7u);
  EXPECT_EQ(command.word(0), "inspector");
  EXPECT_EQ(command.word(2), "body");
  EXPECT_EQ(command.textFrom(3), "Agenda:  two   blanks kept");
  EXPECT_EQ(command.textFrom(7), "");
  EXPECT_EQ(command.word(9), "");
}

TEST(ParsedCommand, QuotesHoldBlanksAndEscapes) {
  const ParsedCommand select(R"(select "uid;RECURRENCE-ID;TZID=W. Europe:20261202T100000" plain)");
  EXPECT_THAT(select.wordsFrom(1),
              ElementsAre("uid;RECURRENCE-ID;TZID=W. Europe:20261202T100000", "plain"));
  EXPECT_EQ(ParsedCommand(R"(type-tag " Project ")").textFrom(1), " Project ");
  EXPECT_EQ(ParsedCommand(R"(type-tag "say \"hi\" \\")").textFrom(1), R"(say "hi" \)");
  EXPECT_EQ(ParsedCommand(R"(type-tag "a" b)").textFrom(1), R"("a" b)")
      << "a quoted word that is not the last is part of the text";
  EXPECT_THROW(ParsedCommand(R"(select "open)"), CommandError);
}

}  // namespace
}  // namespace qh::app
