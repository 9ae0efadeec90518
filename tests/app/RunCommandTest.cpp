// `quillhour run`: a script acts as the user, one command a line; failing lines are named
// and the script goes on; the fixed output forms of the show commands.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/app/LibicalView.h"
#include "tests/app/OnExampleCalendar.h"

namespace qh::app::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

class RunCommand : public OnExampleCalendar {};

TEST_F(RunCommand, ShowBarFollowsTheFolderAndTheSelection) {
  const ProgramRun run = script(
      "show bar\n"
      "select fortnight-17@example.com\n"
      "show bar\n"
      "select fortnight-17@example.com fortnight-18@example.com\n"
      "show bar\n"
      "folder inbox\n"
      "show bar\n");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string list = "list: [\"Atlas\", \"Beacon\", \"Internal\", \"Support\"]";
  EXPECT_THAT(linesOf(run.out), ElementsAre("bar: visible", "tag box: \"\"", list,            //
                                            "bar: visible", "tag box: \"Support\"", list,     //
                                            "bar: visible", "tag box: \"(Multiple)\"", list,  //
                                            "bar: hidden", "tag box: \"\"", list));
}

TEST_F(RunCommand, ShowTagsShowsTagArrayElementsAsTheyAre) {
  // Stored by hand: blanks around a tag and an empty element stay in TagArray.
  const ProgramRun run = script(
      "open fortnight-settings@example.com\n"
      "inspector set body Atlas; Beacon ;;Support\n"
      "inspector save\n"
      "inspector close\n"
      "show tags\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(linesOf(run.out), ElementsAre("[Atlas]", "[Beacon]", "[Internal]", "[Support]",
                                            StartsWith("calendar: ")))
      << "TagArray was read at start-up; editing the item does not change it";

  const ProgramRun next = script("show tags\nshow bar\n");
  EXPECT_THAT(linesOf(next.out),
              ElementsAre("[Atlas]", "[Beacon ]", "[]", "[Support]", "bar: visible",
                          "tag box: \"\"", "list: [\"Atlas\", \"Beacon\", \"\", \"Support\"]"));
}

TEST_F(RunCommand, ShowAlertsAndShowLogPrintWhatTheUserWasShown) {
  const ProgramRun run = script(
      "send fortnight-settings@example.com\n"
      "show alerts\n"
      "show log\n");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string alert =
      "Quillhour: Settings cannot be sent. Please Close and Save to store the settings!";
  EXPECT_THAT(linesOf(run.out),
              ElementsAre("not sent: fortnight-settings@example.com", "alert: " + alert, alert,
                          "5:30:00 PM: Addin Startup", "5:30:00 PM: Addin OutlookInstance_Startup",
                          "5:30:00 PM: Addin: OutlookInstance_ItemSend",
                          "5:30:00 PM: Addin: Prohibited Quillhour Settings to be sent"));
}

TEST_F(RunCommand, FailingLinesAreNamedAndTheScriptGoesOnToItsEnd) {
  folder.write("week.qh",
               "# tag the code review\n"
               "select fortnight-18@example.com\n"
               "choose-tag Atlantis\n"
               "fly to the moon\n"
               "export from 2026-11-30\n"
               "choose-tag Atlas\n");
  const ProgramRun run = runQuillhour({"--mailbox", calendar, "run", "week.qh"}, folder.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(linesOf(run.err),
              ElementsAre(HasSubstr("week.qh:3: "), "week.qh:4: unknown command \"fly\"",
                          "week.qh:5: the export dialog (press Export Times) is not open",
                          "week.qh: 3 lines failed"));
  EXPECT_THAT(
      readWithLibical(readFile(calendar)).event("fortnight-18@example.com").only("CATEGORIES"),
      ElementsAre("CATEGORIES:Atlas\r\n"))
      << "the lines that worked took effect";
}

TEST_F(RunCommand, BadArgumentsAreNamed) {
  const ProgramRun run = script(
      "explorer 7\n"
      "folder attic\n"
      "export check colour on\n"
      "inspector set start tomorrow\n"
      "show everything\n"
      "select \"unclosed\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(linesOf(run.err),
              ElementsAre("<stdin>:1: there is no explorer 7 (1 open)",
                          "<stdin>:2: unknown folder \"attic\" (calendar, inbox or outbox)",
                          "<stdin>:3: \"colour\" is not one of: all-day, untagged, recurring, "
                          "exported, minutes, description, mark, delete, diagram",
                          "<stdin>:4: no inspector window is open",
                          "<stdin>:5: \"everything\" is not one of: bar, inspector, log, tags, "
                          "settings, alerts, about, item",
                          "<stdin>:6: a quote is not closed", "<stdin>: 6 lines failed"));
}

TEST_F(RunCommand, QuitEndsTheSessionThere) {
  const ProgramRun run = script("show tags\nquit\nshow bar\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(linesOf(run.out), ElementsAre("[Atlas]", "[Beacon]", "[Internal]", "[Support]"));
}

}  // namespace
}  // namespace qh::app::testing
