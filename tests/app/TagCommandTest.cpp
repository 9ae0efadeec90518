// `quillhour tag`: the selected Times get the tag from the explorer's "Tag:" box, and only
// their categories change in the file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/app/LibicalView.h"
#include "tests/app/ProgramRun.h"

namespace qh::app::testing {
namespace {

using ::testing::ElementsAre;

TEST(TagCommand, ChangesOnlyTheCategoriesOfTheTaggedTimes) {
  TestFolder folder;
  const std::string calendar = folder.exampleCalendar();
  const std::string original = readFile(calendar);
  // 18 has no tag, 06 has attendees and an alarm, 21 has the tag already.
  const ProgramRun run =
      runQuillhour({"--mailbox", calendar, "tag", "Beacon", "fortnight-18@example.com",
                    "fortnight-06@example.com", "fortnight-21@example.com"},
                   folder.path());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(linesOf(run.out).front(), "tagged 2 of 3 items \"Beacon\"");

  const LibicalComponent before = readWithLibical(original);
  const LibicalComponent after = readWithLibical(readFile(calendar));
  ASSERT_EQ(after.children.size(), before.children.size());
  for (std::size_t i = 0; i < before.children.size(); ++i) {
    const LibicalComponent& was = before.children[i];
    const LibicalComponent& is = after.children[i];
    EXPECT_EQ(is.without({"CATEGORIES"}), was.without({"CATEGORIES"})) << i;
    EXPECT_EQ(is.children, was.children) << "alarms stay, " << i;
  }
  for (const char* uid :
       {"fortnight-18@example.com", "fortnight-06@example.com", "fortnight-21@example.com"})
    EXPECT_THAT(after.event(uid).only("CATEGORIES"), ElementsAre("CATEGORIES:Beacon\r\n"));
  EXPECT_EQ(after.event("fortnight-17@example.com"), before.event("fortnight-17@example.com"));
  EXPECT_EQ(readFile(calendar + ".bak"), original);
}

TEST(TagCommand, ATimeThatHasTheTagAlreadyLeavesTheFileAlone) {
  TestFolder folder;
  const std::string calendar = folder.exampleCalendar();
  const ProgramRun run = runQuillhour(
      {"--mailbox", calendar, "tag", "Atlas", "fortnight-16@example.com"}, folder.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(linesOf(run.out).front(), "tagged 0 of 1 item \"Atlas\"");
  EXPECT_THAT(folder.listing(), ElementsAre("calendar.ics"));
}

TEST(TagCommand, ACalendarThatCannotBeWrittenBackStaysAsItWas) {
  TestFolder folder;
  const std::string calendar = folder.exampleCalendar();
  const std::string original = readFile(calendar);
  std::filesystem::create_directory(calendar + ".bak");  // in the way of the backup
  const ProgramRun run = runQuillhour(
      {"--mailbox", calendar, "tag", "Atlas", "fortnight-18@example.com"}, folder.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, ::testing::HasSubstr("quillhour: the calendar was not written back"));
  EXPECT_EQ(readFile(calendar), original);
}

}  // namespace
}  // namespace qh::app::testing
