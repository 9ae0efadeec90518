// The calendar file is the user's data: the stories of lost updates, clobbered files and
// refused calendars, played through the program as processes on real files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <regex>

#include "tests/app/OnExampleCalendar.h"
#include "tests/simexcel/XlsxReader.h"

namespace qh::app::testing {
namespace {

namespace fs = std::filesystem;
using qh::sim::readXlsx;
using qh::sim::XlsxBook;
using ::testing::HasSubstr;
using ::testing::Not;

// The text with every occurrence of `from` (which must be there) replaced by `to`.
std::string replacedAll(std::string text, const std::string& from, const std::string& to) {
  std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  for (; at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// The CATEGORIES line of the event with this UID.
std::string categoriesOf(const std::string& text, const std::string& uid) {
  const auto end = text.find("UID:" + uid);
  const auto begin = text.rfind("BEGIN:VEVENT", end);
  const auto line = text.find("CATEGORIES:", begin);
  if (line == std::string::npos || line > end) return "";
  return text.substr(line + 11, text.find('\r', line) - line - 11);
}

class CalendarSafety : public OnExampleCalendar {
 protected:
  // A shell script run in the test's folder; $Q is the program, $C the calendar.
  ProgramRun shell(const std::string& script) {
    return runProgram("/bin/sh", {"-c", "Q='" QH_PROGRAM_PATH "'; C='" + calendar + "'\n" + script},
                      folder.path());
  }
  std::string file(const std::string& name) { return readFile(folder.file(name)); }
  // A session (`run -` with these options) that reads its script from a pipe: it runs
  // `first` and, once it has shown the tag list (and so holds the calendar), `meanwhile`
  // happens; then `last`, and its status goes to session.status.
  ProgramRun openSession(const std::string& options, const std::string& first,
                         const std::string& meanwhile, const std::string& last) {
    return shell("mkfifo in\n$Q --mailbox $C " + options +
                 " run - <in >session.out 2>&1 & pid=$!\nexec 3>in\n" + first +
                 "echo 'show tags' >&3\nuntil grep -q Atlas session.out; do sleep 0.02; done\n" +
                 meanwhile + last + "exec 3>&-; wait $pid; echo $? >session.status\n");
  }
};

TEST_F(CalendarSafety, TwoProcessesTaggingAtOnceBothKeepTheirChange) {
  // Started at the same moment and one after the other, in both orders: the second waits for
  // the first and reads what it wrote.
  for (const char* delay : {"0", "0.05", "0.2"}) {
    for (int round = 0; round < 3; ++round) {
      const std::string original = readFile(calendar);
      const bool swap = round % 2 == 1;
      const std::string a = swap ? "fortnight-09@example.com" : "fortnight-10@example.com";
      const std::string b = swap ? "fortnight-10@example.com" : "fortnight-09@example.com";
      const std::string tagA = "Support", tagB = "Internal";
      const ProgramRun run = shell("($Q --mailbox $C --wait 60 tag " + tagA + " " + a +
                                   " >a.out 2>&1; echo $? >a.status) &\n"
                                   "sleep " +
                                   delay +
                                   "\n"
                                   "($Q --mailbox $C --wait 60 tag " +
                                   tagB + " " + b +
                                   " >b.out 2>&1; echo $? >b.status) &\n"
                                   "wait\n");
      ASSERT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(file("a.status"), "0\n") << file("a.out");
      EXPECT_EQ(file("b.status"), "0\n") << file("b.out");
      const std::string now = readFile(calendar);
      EXPECT_EQ(categoriesOf(now, a), tagA) << "delay " << delay << ", round " << round;
      EXPECT_EQ(categoriesOf(now, b), tagB) << "delay " << delay << ", round " << round;
      // The backup is the file before the second writer: a file of its own.
      EXPECT_NE(readFile(calendar + ".bak"), now);
      EXPECT_EQ(fs::hard_link_count(calendar), 1u);
      EXPECT_EQ(fs::hard_link_count(calendar + ".bak"), 1u);
      // Put both back for the next round.
      ASSERT_EQ(quillhour({"tag", "Atlas", "fortnight-09@example.com"}).status, 0);
      ASSERT_EQ(quillhour({"tag", "Beacon", "fortnight-10@example.com"}).status, 0);
      EXPECT_EQ(readFile(calendar), original);
    }
  }
  // Nothing is left over beside the calendar.
  EXPECT_THAT(
      folder.listing(),
      ::testing::Each(::testing::MatchesRegex("calendar\\.ics(\\.bak)?|[ab]\\.(out|status)")));
}

TEST_F(CalendarSafety, ASessionLeftOpenKeepsOthersOutAndTheyNameIt) {
  // The session reads its script from a pipe; once it answered its first line it holds the
  // calendar, and a tag command gives up after its short wait.
  const ProgramRun run =
      openSession("", "",
                  "$Q --mailbox $C --wait 0.2 tag Support fortnight-09@example.com >tag.out 2>&1\n"
                  "echo $? >tag.status\n",
                  "echo 'select fortnight-10@example.com' >&3; echo 'choose-tag Support' >&3\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(file("tag.status"), "1\n");
  EXPECT_THAT(file("tag.out"),
              ::testing::MatchesRegex("quillhour: .*calendar.ics: in use by process [0-9]+ \\(.*"
                                      "run -\\); try again once it has ended\n"));
  EXPECT_EQ(file("session.status"), "0\n") << file("session.out");
  const std::string now = readFile(calendar);
  EXPECT_EQ(categoriesOf(now, "fortnight-09@example.com"), "Atlas");
  EXPECT_EQ(categoriesOf(now, "fortnight-10@example.com"), "Support");
}

TEST_F(CalendarSafety, AFileChangedUnderASessionIsLeftAloneAndTheSessionsResultSavedBeside) {
  // Another program (not taking the lock) rewrites the calendar while the session runs.
  const ProgramRun run = openSession(
      "--now '2026-12-04 17:30:00'",
      "echo 'select fortnight-10@example.com' >&3; echo 'choose-tag Support' >&3\n",
      "sed 's/Goals for sprint 14/Goals for sprint 15/' $C >other && cat other >$C\n", "");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(file("session.status"), "1\n");
  const std::string theirs = readFile(calendar);
  EXPECT_THAT(theirs, HasSubstr("sprint 15"));
  EXPECT_EQ(categoriesOf(theirs, "fortnight-10@example.com"), "Beacon");
  const std::string saved = "calendar.quillhour-20261204-173000.ics";
  EXPECT_THAT(file("session.out"),
              HasSubstr("calendar.ics: it changed on disk since it was read, so it is left as it "
                        "is; this session's calendar is saved as " +
                        folder.file(saved)));
  EXPECT_EQ(categoriesOf(file(saved), "fortnight-10@example.com"), "Support");
  EXPECT_FALSE(fs::exists(calendar + ".bak"));
}

TEST_F(CalendarSafety, ReadOnlyAndLinkedCalendars) {
  const std::string original = readFile(calendar);
  fs::permissions(calendar, fs::perms::owner_read | fs::perms::group_read);
  const ProgramRun tag = quillhour({"tag", "Support", "fortnight-09@example.com"});
  EXPECT_EQ(tag.status, 2);
  EXPECT_THAT(tag.err, HasSubstr("calendar.ics is read-only: it is left as it is"));
  EXPECT_EQ(quillhour({"list"}).status, 0) << "reading needs no write access";
  const ProgramRun session = script("select fortnight-09@example.com\nchoose-tag Support\n");
  EXPECT_EQ(session.status, 1);
  EXPECT_THAT(session.err, HasSubstr("it is read-only, so it is left as it is"));
  EXPECT_EQ(readFile(calendar), original);
  EXPECT_EQ(fs::status(calendar).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read);

  // Through a symbolic link: the target is written, the link stays a link.
  fs::permissions(calendar, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_directory(folder.file("real"));
  fs::rename(calendar, folder.file("real/cal.ics"));
  fs::create_symlink("real/cal.ics", calendar);
  ASSERT_EQ(quillhour({"tag", "Support", "fortnight-09@example.com"}).status, 0);
  EXPECT_TRUE(fs::is_symlink(calendar));
  EXPECT_EQ(categoriesOf(file("real/cal.ics"), "fortnight-09@example.com"), "Support");
  EXPECT_EQ(file("real/cal.ics.bak"), original);
  EXPECT_EQ(fs::status(folder.file("real/cal.ics")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(CalendarSafety, OutputsNeverOverwriteInputs) {
  fs::create_symlink(calendar, folder.file("alias.ics"));
  fs::create_directory(folder.file("dir"));
  const std::string original = readFile(calendar);
  for (const std::string& out :
       {calendar, calendar + ".bak", std::string("alias.ics"), std::string("./calendar.ics"),
        std::string("dir"), std::string("missing/book.xlsx")}) {
    for (const bool mark : {false, true}) {
      std::vector<std::string> args = {
          "--now", "2026-12-04 17:30:00", "export", "--from", "2026-11-23",
          "--to",  "2026-12-04",          "-o",     out};
      if (mark) args.push_back("--mark");
      const ProgramRun run = quillhour(args);
      EXPECT_EQ(run.status, 2) << out;
      EXPECT_THAT(run.err, HasSubstr("-o " + out)) << out;
      EXPECT_EQ(run.out, "") << "refused before anything ran";
    }
  }
  EXPECT_EQ(readFile(calendar), original);
  EXPECT_FALSE(fs::exists(calendar + ".bak"));
  // And a clock the export dialog cannot show.
  const ProgramRun early = quillhour(
      {"--now", "1999-12-31 10:00:00", "export", "--from", "2026-11-23", "--to", "2026-12-04"});
  EXPECT_EQ(early.status, 2);
  EXPECT_THAT(early.err, HasSubstr("outside the dates the export dialog can show"));
}

TEST_F(CalendarSafety, EveryRealWorldCalendarReads) {
  std::string text = readFile(calendar);
  // Windows-1252 bytes in a SUMMARY (older Outlook), an override of the weekly team meeting,
  // a second VEVENT with the UID of another, and a cancellation without DTSTART.
  text = replacedAll(text, "SUMMARY:Atlas: code review", "SUMMARY:Atlas: Caf\xE9 review \x96 2");
  // A control character XML 1.0 forbids.
  text = replacedAll(text, "SUMMARY:Support tickets", "SUMMARY:Support\x01tickets");
  const std::string extra =
      "BEGIN:VEVENT\r\nUID:fortnight-08@example.com\r\n"
      "RECURRENCE-ID;TZID=\"W. Europe Standard Time\":20261202T100000\r\n"
      "DTSTART;TZID=\"W. Europe Standard Time\":20261202T140000\r\n"
      "DTEND;TZID=\"W. Europe Standard Time\":20261202T150000\r\n"
      "SUMMARY:Team meeting (moved)\r\nCATEGORIES:Internal\r\nEND:VEVENT\r\n"
      "BEGIN:VEVENT\r\nUID:fortnight-10@example.com\r\n"
      "DTSTART;TZID=\"W. Europe Standard Time\":20261203T090000\r\n"
      "DTEND;TZID=\"W. Europe Standard Time\":20261203T100000\r\n"
      "SUMMARY:Beacon: copy\r\nCATEGORIES:Beacon\r\nEND:VEVENT\r\n"
      "BEGIN:VEVENT\r\nUID:gone@example.com\r\nSTATUS:CANCELLED\r\nEND:VEVENT\r\n"
      "END:VCALENDAR\r\n";
  text = replacedAll(text, "END:VCALENDAR\r\n", extra);
  folder.write("calendar.ics", text);

  const ProgramRun list = quillhour({"list"});
  ASSERT_EQ(list.status, 0) << list.err;
  EXPECT_THAT(list.out, HasSubstr("\tAtlas\tAtlas: Caf\u00E9 review \u2013 2\n"));
  EXPECT_THAT(list.out, HasSubstr("fortnight-10@example.com#2\t2026-12-03 09:00"));
  EXPECT_THAT(list.out, Not(HasSubstr("moved"))) << "an exception is no item of the folder";
  EXPECT_THAT(list.out, Not(HasSubstr("gone@")));
  EXPECT_THAT(list.err, HasSubstr("this one's EntryID is 'fortnight-10@example.com#2'"));

  // The exception is reached through its series; tagging it and the repeated UID changes
  // those two VEVENTs, and every other byte stays, the Windows-1252 ones included.
  const std::string exception =
      "fortnight-08@example.com;RECURRENCE-ID;TZID=\"W. Europe Standard Time\":20261202T100000";
  EXPECT_THAT(quillhour({"run", "-"}, "show item fortnight-08@example.com\n").out,
              HasSubstr("exception: " + exception));
  const ProgramRun tag = quillhour(
      {"tag", "Support", "fortnight-10@example.com#2", exception, "fortnight-09@example.com"});
  ASSERT_EQ(tag.status, 0) << tag.err;
  std::string expected = replacedAll(text, "SUMMARY:Beacon: copy\r\nCATEGORIES:Beacon",
                                     "SUMMARY:Beacon: copy\r\nCATEGORIES:Support");
  expected =
      replacedAll(expected, "(moved)\r\nCATEGORIES:Internal", "(moved)\r\nCATEGORIES:Support");
  expected = replacedAll(expected, "\x96 2\r\nCATEGORIES:Atlas", "\x96 2\r\nCATEGORIES:Support");
  EXPECT_EQ(readFile(calendar), expected);

  // The workbook is valid XML (its reader refuses anything else) and holds the Windows-1252
  // text as Unicode; the moved meeting is no row beside its series.
  const ProgramRun exported =
      quillhour({"--now", "2026-12-04 17:30:00", "export", "--from", "2026-11-23", "--to",
                 "2026-12-04", "--untagged", "--recurring", "-o", "book.xlsx"});
  ASSERT_EQ(exported.status, 0) << exported.err;
  const XlsxBook book = readXlsx(folder.file("book.xlsx"));
  std::vector<std::string> subjects;
  for (const auto& [cell, value] : book.sheet("Quillhour").values)
    if (cell[0] == 'D' && cell != "D3") subjects.push_back(value);
  EXPECT_THAT(subjects, ::testing::Contains("Atlas: Caf\u00E9 review \u2013 2"));
  EXPECT_THAT(subjects, ::testing::Not(::testing::Contains(HasSubstr("moved"))));
}

TEST_F(CalendarSafety, SmallerPoints) {
  // A file with CR alone ending its lines reads; a tag with a line break stays on its line in
  // `list`; the settings item's body keeps its spaces.
  std::string text = replacedAll(readFile(calendar), "\r\n", "\r");
  text = replacedAll(text, "DESCRIPTION:Atlas\\; Beacon\\; Internal\\; Support",
                     "DESCRIPTION:Atlas\\; Beacon\\; Internal\\; Support  ");
  text = replacedAll(text, "CATEGORIES:Atlas\rUID:fortnight-01",
                     "CATEGORIES:At\\nlas\rUID:fortnight-01");
  folder.write("calendar.ics", text);
  const ProgramRun list = quillhour({"list", "--to", "2026-11-23"});
  ASSERT_EQ(list.status, 0) << list.err;
  EXPECT_THAT(list.out, HasSubstr("fortnight-01@example.com\t2026-11-23 09:00\t90\tAt\\nlas\t"));
  const ProgramRun tags = quillhour({"tags"});
  EXPECT_EQ(tags.out, "Atlas\nBeacon\nInternal\nSupport  \n");
  // Written back, the file keeps its line ends.
  ASSERT_EQ(quillhour({"tag", "Support", "fortnight-09@example.com"}).status, 0);
  EXPECT_EQ(readFile(calendar).find('\n'), std::string::npos);
}

TEST_F(CalendarSafety, AnAllDayTimeGivenHoursIsWrittenWithThem) {
  const ProgramRun run = script(
      "open fortnight-11@example.com\ninspector set start 2026-11-26 09:00\n"
      "inspector set duration 90\ninspector save\ninspector close\n"
      "show item fortnight-11@example.com\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("all day: no"));
  EXPECT_THAT(run.out, HasSubstr("written (1 changed"));
  const std::string now = readFile(calendar);
  EXPECT_THAT(now, HasSubstr("DTSTART;TZID=Europe/Berlin:20261126T090000"));
  EXPECT_THAT(now, HasSubstr("DTEND;TZID=Europe/Berlin:20261126T103000"));
  const ProgramRun list = quillhour({"list", "--from", "2026-11-26", "--to", "2026-11-26"});
  EXPECT_THAT(list.out, HasSubstr("fortnight-11@example.com\t2026-11-26 09:00\t90\t"));
}

}  // namespace
}  // namespace qh::app::testing
