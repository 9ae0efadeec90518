// `quillhour export`: the export dialog driven as a user drives it, the workbook Excel hands
// over, and the marks and deletions that go back into the calendar file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/app/LibicalView.h"
#include "tests/app/OnExampleCalendar.h"
#include "tests/simexcel/XlsxReader.h"

namespace qh::app::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::SizeIs;

// Of the example's last week, ten Times are exported by default: three have no tag, the
// lunch has a category that is no tag, and the kickoff follow-up (fortnight-15) carries the
// mark of an earlier export.
class ExportCommand : public OnExampleCalendar {
 protected:
  ProgramRun exportLastWeek(std::vector<std::string> options = {}) {
    std::vector<std::string> args = {
        "--now", "2026-12-04 17:30:00", "export", "--from", "2026-11-30", "--to", "2026-12-04"};
    args.insert(args.end(), options.begin(), options.end());
    return quillhour(args);
  }
  std::vector<std::string> uidsWith(const std::string& property) {
    std::vector<std::string> uids;
    for (const auto& event : readWithLibical(readFile(calendar)).children)
      if (event.kind == "VEVENT" && !event.only(property).empty())
        uids.push_back(event.only("UID").front().substr(4, 12));
    return uids;
  }
};

TEST_F(ExportCommand, ReportsTheTimesTheHoursPerTagAndWhereTheWorkbookIs) {
  const ProgramRun run = exportLastWeek({"--diagram"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string workbook = folder.file("Quillhour1.xlsx");
  EXPECT_THAT(linesOf(run.out),
              ElementsAre("exported 10 Times, 26.5 hours", "  Atlas     13 hours (4 Times)",
                          "  Beacon    7.5 hours (2 Times)", "  Internal  2 hours (1 Time)",
                          "  Support   4 hours (3 Times)", "workbook: " + workbook));

  const sim::XlsxBook book = sim::readXlsx(workbook);
  const sim::XlsxSheet& data = book.sheet("Quillhour");
  EXPECT_EQ(data.values.at("D4"), "Atlas: order service");
  EXPECT_EQ(data.values.at("E4"), "3");
  EXPECT_EQ(data.values.at("F4"), "Atlas");
  EXPECT_EQ(data.values.at("D13"), "Security awareness training");
  EXPECT_FALSE(data.values.count("D14"));
  EXPECT_NO_THROW(book.sheet("Pivot Table"));
  EXPECT_THAT(book.sheets, Contains(::testing::Field(&sim::XlsxSheet::isChart, true)));
  EXPECT_THAT(folder.listing(), ElementsAre("Quillhour1.xlsx", "calendar.ics"))
      << "an export without marks leaves the calendar as it was";
}

TEST_F(ExportCommand, MarksGoBackIntoTheFileAndKeepTheTimesOutOfTheNextExport) {
  ASSERT_EQ(exportLastWeek({"--mark"}).status, 0);
  EXPECT_THAT(uidsWith("X-QUILLHOUR-QUILLHOUREXPORTED"), SizeIs(11));  // 10 and the old one

  const ProgramRun again = exportLastWeek();
  EXPECT_EQ(linesOf(again.out).front(), "exported 0 Times, 0 hours");
  EXPECT_EQ(linesOf(again.out).back(), "workbook: " + folder.file("Quillhour2.xlsx"));

  const ProgramRun all = exportLastWeek({"--exported", "--untagged"});
  EXPECT_EQ(linesOf(all.out).front(), "exported 15 Times, 33 hours");
}

TEST_F(ExportCommand, DeletionRemovesTheExportedTimesUpToTheStartOfTheLastDay) {
  ASSERT_EQ(exportLastWeek({"--delete"}).status, 0);
  const auto deleted = [&](const char* id) {
    return readFile(calendar).find(std::string("UID:") + id) == std::string::npos;
  };
  EXPECT_TRUE(deleted("fortnight-16"));
  EXPECT_TRUE(deleted("fortnight-26"));
  EXPECT_FALSE(deleted("fortnight-18")) << "untagged, so not exported";
  // The deletion pass ends at the end picker's midnight: the last day's Times stay, marked.
  EXPECT_FALSE(deleted("fortnight-27"));
  EXPECT_THAT(uidsWith("X-QUILLHOUR-QUILLHOURDELETED"),
              ElementsAre("fortnight-27", "fortnight-28", "fortnight-29"));
}

TEST_F(ExportCommand, MinutesDescriptionsAndAnOutputFileOfTheUsersChoice) {
  const ProgramRun run =
      exportLastWeek({"--minutes", "--description", "--untagged", "-o", "week.xlsx"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(linesOf(run.out).front(), "exported 14 Times, 32 hours");
  EXPECT_EQ(linesOf(run.out).back(), "workbook: " + folder.file("week.xlsx"));
  EXPECT_THAT(folder.listing(), Not(Contains("Quillhour1.xlsx")));
  const sim::XlsxBook book = sim::readXlsx(folder.file("week.xlsx"));
  const sim::XlsxSheet& data = book.sheet("Quillhour");
  EXPECT_EQ(data.values.at("E4"), "180");
  EXPECT_EQ(data.values.at("G10"), "Accounts, laptop, first tasks");
  EXPECT_FALSE(data.hiddenColumns.count(7));
}

TEST_F(ExportCommand, WorkbooksGoToTheOutputFolder) {
  std::filesystem::create_directory(folder.file("out"));
  const ProgramRun there = runQuillhour({"--mailbox", calendar, "--out", "out", "export", "--from",
                                         "2026-11-30", "--to", "2026-11-30"},
                                        folder.path());
  EXPECT_EQ(linesOf(there.out).back(), "workbook: " + folder.file("out/Quillhour1.xlsx"));
  EXPECT_THAT(linesOf(there.out).front(), HasSubstr("exported 2 Times"));
}

TEST_F(ExportCommand, ATimeWithMoreTextThanACellHoldsStaysInTheCalendarUnmarked) {
  std::string description = "DESCRIPTION:" + std::string(40000, 'x');
  for (std::size_t at = 74; at < description.size(); at += 76) description.insert(at, "\r\n ");
  folder.write("long.ics",
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\n"
               "BEGIN:VEVENT\r\nUID:short\r\nDTSTART:20261201T090000\r\nDURATION:PT1H\r\n"
               "SUMMARY:Short\r\nDESCRIPTION:notes\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nUID:long\r\nDTSTART:20261202T090000\r\nDURATION:PT1H\r\n"
               "SUMMARY:Long\r\n" +
                   description + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
  const ProgramRun run = runQuillhour(
      {"--mailbox", "long.ics", "--now", "2026-12-04 17:30:00", "export", "--from", "2026-11-30",
       "--to", "2026-12-04", "--untagged", "--description", "--mark", "--delete"},
      folder.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.err,
              HasSubstr("export step failed: Application-defined or object-defined error"));
  EXPECT_THAT(run.err, Not(HasSubstr("no workbook")));
  EXPECT_EQ(linesOf(run.out).back().rfind("calendar: long.ics written (0 changed, 1 deleted", 0),
            0u)
      << run.out;

  const sim::XlsxBook book = sim::readXlsx(folder.file("Quillhour1.xlsx"));
  const sim::XlsxSheet& data = book.sheet("Quillhour");
  EXPECT_EQ(data.values.at("G4"), "notes");
  EXPECT_EQ(data.values.at("D5"), "Long");
  EXPECT_FALSE(data.values.count("G5")) << "Excel refused the description";
  const std::string kept = readFile(folder.file("long.ics"));
  EXPECT_EQ(kept.find("UID:short"), std::string::npos);
  EXPECT_NE(kept.find("UID:long"), std::string::npos) << "never deleted without its text";
  EXPECT_EQ(kept.find("X-QUILLHOUR"), std::string::npos) << "nor marked";
}

}  // namespace
}  // namespace qh::app::testing
