// Input the program refuses: status 2, a message naming what is wrong, and nothing written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/app/ProgramRun.h"

namespace qh::app::testing {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

class BadInput : public ::testing::Test {
 protected:
  // Runs `tag Atlas x` on the file, a command that would write the calendar back.
  ProgramRun tagOn(const std::string& file) {
    return runQuillhour({"--mailbox", file, "tag", "Atlas", "fortnight-18@example.com"},
                        folder.path());
  }
  void expectNothingWritten(const std::vector<std::string>& before) {
    EXPECT_EQ(folder.listing(), before);
  }

  TestFolder folder;
};

TEST_F(BadInput, AMissingCalendarFileIsNamed) {
  const ProgramRun run = tagOn(folder.file("nowhere.ics"));
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("nowhere.ics"));
  expectNothingWritten({});
}

TEST_F(BadInput, AFileThatIsNotICalendarIsNamed) {
  const std::string path = folder.write("notes.ics", "Shopping list\r\nmilk\r\n");
  const ProgramRun run = tagOn(path);
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("notes.ics"));
  expectNothingWritten({"notes.ics"});
  EXPECT_EQ(readFile(path), "Shopping list\r\nmilk\r\n");
}

TEST_F(BadInput, AnEventWithoutStartIsNamedWithItsLine) {
  folder.write("c.ics",
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\n"
               "BEGIN:VEVENT\r\nUID:a\r\nSUMMARY:No start\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
  const ProgramRun run = tagOn(folder.file("c.ics"));
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, AllOf(HasSubstr("c.ics:4"), HasSubstr("DTSTART")));
  expectNothingWritten({"c.ics"});
}

TEST_F(BadInput, AnUnreadableDateIsNamedWithItsLine) {
  folder.write("c.ics",
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\n"
               "UID:a\r\nDTSTART:2026-12-01 nine o'clock\r\nSUMMARY:Bad\r\nEND:VEVENT\r\n"
               "END:VCALENDAR\r\n");
  const ProgramRun run = tagOn(folder.file("c.ics"));
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("c.ics:6"));
  expectNothingWritten({"c.ics"});
}

TEST_F(BadInput, ATagOutsideTheTagListChangesNothing) {
  const std::string path = folder.exampleCalendar();
  const ProgramRun run = runQuillhour(
      {"--mailbox", path, "tag", "Holidays", "fortnight-18@example.com"}, folder.path());
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, AllOf(HasSubstr("\"Holidays\" is not in the tag list"),
                             HasSubstr("Atlas, Beacon, Internal, Support")));
  expectNothingWritten({"calendar.ics"});
}

TEST_F(BadInput, AnUnknownEntryIdChangesNothing) {
  const std::string path = folder.exampleCalendar();
  const ProgramRun run = runQuillhour(
      {"--mailbox", path, "tag", "Atlas", "fortnight-18@example.com", "no-such-id"}, folder.path());
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("no-such-id"));
  expectNothingWritten({"calendar.ics"});
}

TEST_F(BadInput, CommandLinesThatCannotBeRead) {
  const std::string path = folder.exampleCalendar();
  const std::vector<std::vector<std::string>> refused = {
      {"list"},                                               // no mailbox
      {"--mailbox", path, "fly"},                             // no such command
      {"--mailbox", path, "list", "--from", "30.11.2026"},    // not YYYY-MM-DD
      {"--mailbox", path, "export", "--from", "2026-12-04"},  // no --to
      {"--mailbox", path, "export", "--from", "2026-12-04", "--to", "2026-11-30"},
      {"--mailbox", path, "--locale", "fr-FR", "list"},
      {"--mailbox", path, "--now", "tomorrow", "list"},
      {"--mailbox", path, "run", folder.file("missing.qh")}};
  for (const auto& args : refused) {
    const ProgramRun run = runQuillhour(args, folder.path());
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
    EXPECT_FALSE(run.err.empty()) << ::testing::PrintToString(args);
  }
  expectNothingWritten({"calendar.ics"});
}

}  // namespace
}  // namespace qh::app::testing
