// The roads a user walks in a session: a new Time in its own window, the task pane, the tag
// list in the settings dialog, and the About box.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/app/LibicalView.h"
#include "tests/app/OnExampleCalendar.h"

namespace qh::app::testing {
namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

class SessionRoads : public OnExampleCalendar {};

TEST_F(SessionRoads, ANewTimeSavedInItsWindowJoinsTheCalendarFile) {
  const ProgramRun run = script(
      "press New Time\n"
      "inspector set subject Beacon: release notes\n"
      "inspector set start 2026-12-07 09:00\n"
      "inspector set duration 45\n"
      "inspector choose-tag Beacon\n"
      "inspector save\n"
      "inspector close\n"
      "list from 2026-12-07 to 2026-12-07\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(linesOf(run.out),
              Contains(HasSubstr("\t2026-12-07 09:00\t45\tBeacon\tBeacon: release notes")));
  EXPECT_THAT(run.out, HasSubstr("0 changed, 0 deleted, 1 added"));

  const LibicalComponent file = readWithLibical(readFile(calendar));
  const auto added = std::find_if(file.children.begin(), file.children.end(), [](const auto& c) {
    return c.only("SUMMARY") == std::vector<std::string>{"SUMMARY:Beacon: release notes\r\n"};
  });
  ASSERT_NE(added, file.children.end());
  EXPECT_THAT(added->only("CATEGORIES"), ElementsAre("CATEGORIES:Beacon\r\n"));
  EXPECT_TRUE(std::any_of(file.children.begin(), file.children.end(), [](const auto& c) {
    return c.kind == "VTIMEZONE" &&
           c.only("TZID") == std::vector<std::string>{"TZID:Europe/Berlin\r\n"};
  })) << "the new Time's zone is defined in the file";
  EXPECT_THAT(added->only("DTSTART").front(), HasSubstr("20261207T090000"));
  EXPECT_THAT(added->only("DTEND").front(), HasSubstr("20261207T094500"));
}

TEST_F(SessionRoads, AnInspectorClosedWithoutSavingLeavesTheFileAlone) {
  const ProgramRun run = script(
      "open fortnight-18@example.com\n"
      "pane choose-tag Atlas\n"
      "show inspector\n"
      "inspector close\n"
      "show alerts\n",
      {"--answer", "cancel"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(linesOf(run.out),
              ElementsAre("inspector: \"Code review\"", "bar: visible", "tag box: \"\"",
                          "list: [\"Atlas\", \"Beacon\", \"Internal\", \"Support\"]",
                          "pane: visible", "pane tag box: \"Atlas\"",
                          "pane list: [\"Atlas\", \"Beacon\", \"Internal\", \"Support\"]",
                          "prompt: save changes to \"Code review\"? no",
                          "Outlook: save changes to \"Code review\"? no"));
  EXPECT_THAT(folder.listing(), ElementsAre("calendar.ics"));
}

TEST_F(SessionRoads, ANewTimeClosedUntouchedIsNeitherAskedForNorAdded) {
  const ProgramRun run = script(
      "press New Time\n"
      "inspector close\n"
      "show alerts\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_THAT(folder.listing(), ElementsAre("calendar.ics")) << "nothing to write back";
}

TEST_F(SessionRoads, WithoutTaskPanesAnInspectorHasOnlyItsBar) {
  const ProgramRun run = script(
      "open fortnight-18@example.com\n"
      "show inspector\n"
      "pane choose-tag Atlas\n",
      {"--no-task-panes"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(linesOf(run.out).back(), "pane: none");
  EXPECT_THAT(run.err, HasSubstr("<stdin>:3: this Outlook has no task panes"));
}

TEST_F(SessionRoads, TheSettingsDialogEditsAndStoresTheTagList) {
  const ProgramRun run = script(
      "press Settings\n"
      "settings type  Project;X \n"
      "settings enter\n"
      "settings type beta\n"
      "settings add\n"
      "settings select Beacon; Support\n"
      "show settings\n"
      "settings delete\n"
      "settings save\n"
      "show tags\n"
      "show bar\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(linesOf(run.out),
              ElementsAre("settings list: [\"Atlas\", \"Beacon\", \"beta\", \"Internal\", "
                          "\"ProjectX\", \"Support\"]",
                          "selected: [\"Beacon\", \"Support\"]", "text: \"\"", "[Atlas]", "[beta]",
                          "[Internal]", "[ProjectX]", "bar: visible", "tag box: \"\"",
                          "list: [\"Atlas\", \"beta\", \"Internal\", \"ProjectX\"]",
                          HasSubstr("1 changed, 0 deleted, 0 added")));
  EXPECT_THAT(readWithLibical(readFile(calendar))
                  .event("fortnight-settings@example.com")
                  .only("DESCRIPTION"),
              ElementsAre("DESCRIPTION:Atlas\\; beta\\; Internal\\; ProjectX\r\n"));
}

TEST_F(SessionRoads, CancellingTheSettingsDialogIsLogged) {
  const ProgramRun run = script("press Settings\nsettings cancel\nshow log\nshow tags\n");
  EXPECT_THAT(linesOf(run.out), Contains("5:30:00 PM: SettingsFormItem_Cancel: Cancelled"));
  EXPECT_THAT(folder.listing(), ElementsAre("calendar.ics"));
}

TEST_F(SessionRoads, TheAboutBoxOpensItsLinksAndReportsAMissingSystemInfo) {
  const ProgramRun run = script(
      "press About Quillhour\n"
      "about manual\n"
      "about sysinfo\n"
      "show about\n"
      "about ok\n"
      "about web\n");
  EXPECT_EQ(run.status, 1);
  const auto lines = linesOf(run.out);
  ASSERT_EQ(lines.size(), 18u) << run.out;
  EXPECT_EQ(lines[0], "about: About Quillhour");
  EXPECT_EQ(lines[1], "  title: Quillhour");
  EXPECT_EQ(lines[2], "  version: Version 1.1.0");
  EXPECT_THAT(lines[7], HasSubstr("  manual: Click here to open the User manual"));
  // The shell found no manual beside the add-in, and the user hears so.
  EXPECT_THAT(lines[8], AllOf(StartsWith("not opened: "),
                              HasSubstr("\\Quillhour User Manual.pdf: the file was not found")));
  EXPECT_EQ(lines[9], "message box: Quillhour: System Information Is Unavailable At This Time");
  EXPECT_EQ(lines[10], lines[0]) << "show about prints the box again";
  EXPECT_THAT(run.err, HasSubstr("<stdin>:6: the About box (press About Quillhour) is not open"));
}

}  // namespace
}  // namespace qh::app::testing
