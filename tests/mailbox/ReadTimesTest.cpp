// Starts, durations and zones of single events, and the shapes of text a file may take.
#include <gtest/gtest.h>

#include "tests/mailbox/CalendarFiles.h"

namespace qh::sim::mailbox::testing {
namespace {

// A calendar around the given VEVENT lines.
std::string calendarWith(const std::string& eventLines) {
  return crlf("BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VEVENT\nUID:e1\n" + eventLines +
              "END:VEVENT\nEND:VCALENDAR\n");
}

CalendarEntry only(const TempFolder& folder, const std::string& text,
                   const std::string& zone = "Europe/Berlin") {
  const auto entries = openIn(folder.write("c.ics", text), zone).entries();
  if (entries.size() != 1) throw std::runtime_error("expected one entry");
  return entries[0];
}

struct StartCase {
  const char* lines;
  const char* start;
  int minutes;
  bool allDay;
};

class ReadStartAndDuration : public ::testing::TestWithParam<StartCase> {};

TEST_P(ReadStartAndDuration, InBerlin) {
  TempFolder folder;
  const CalendarEntry e = only(folder, calendarWith(GetParam().lines));
  EXPECT_EQ(show(e.start), GetParam().start);
  EXPECT_EQ(e.durationMinutes, GetParam().minutes);
  EXPECT_EQ(e.allDayEvent, GetParam().allDay);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ReadStartAndDuration,
    ::testing::Values(
        // UTC in winter and in summer.
        StartCase{"DTSTART:20240115T080000Z\nDTEND:20240115T093000Z\n", "2024-01-15 09:00:00", 90,
                  false},
        StartCase{"DTSTART:20240715T080000Z\nDURATION:PT2H\n", "2024-07-15 10:00:00", 120, false},
        // Floating times are local times.
        StartCase{"DTSTART:20240318T093000\nDTEND:20240318T100000\n", "2024-03-18 09:30:00", 30,
                  false},
        // An IANA zone without VTIMEZONE comes from the system's zone database.
        StartCase{"DTSTART;TZID=America/New_York:20240115T080000\nDTEND;TZID=America/"
                  "New_York:20240115T090000\n",
                  "2024-01-15 14:00:00", 60, false},
        // The ends may lie in different zones; the duration is the time between them.
        StartCase{"DTSTART;TZID=Europe/London:20240115T080000\nDTEND;TZID=America/"
                  "New_York:20240115T080000\n",
                  "2024-01-15 09:00:00", 300, false},
        // A night across the change to summer time lasts one hour less.
        StartCase{"DTSTART:20240330T220000\nDTEND:20240331T060000\n", "2024-03-30 22:00:00", 7 * 60,
                  false},
        // A two-day DATE event: 2880 minutes, not libical 3.0.16's 4319.
        StartCase{"DTSTART;VALUE=DATE:20240320\nDTEND;VALUE=DATE:20240322\n", "2024-03-20 00:00:00",
                  2880, true},
        StartCase{"DTSTART;VALUE=DATE:20240320\nDURATION:P3D\n", "2024-03-20 00:00:00", 3 * 1440,
                  true},
        // Without end: a date lasts a day, a time no time at all.
        StartCase{"DTSTART;VALUE=DATE:20240320\n", "2024-03-20 00:00:00", 1440, true},
        StartCase{"DTSTART:20240320T120000Z\n", "2024-03-20 13:00:00", 0, false},
        // Far ahead, where the settings item lives.
        StartCase{"DTSTART;TZID=Europe/Berlin:20990101T000000\nDTEND;TZID=Europe/"
                  "Berlin:20990101T003000\n",
                  "2099-01-01 00:00:00", 30, false}));

TEST(ReadTimes, WindowsZoneNameWithoutDefinitionMapsThroughCldr) {
  TempFolder folder;
  const CalendarEntry e =
      only(folder, calendarWith("DTSTART;TZID=Eastern Standard Time:20240115T080000\n"));
  EXPECT_EQ(show(e.start), "2024-01-15 14:00:00");
}

TEST(ReadTimes, UnknownZoneIsReadAsLocalTimeWithAWarning) {
  TempFolder folder;
  const std::string path =
      folder.write("c.ics", calendarWith("DTSTART;TZID=Mars Base Time:20240115T080000\n"));
  const CalendarStore store = openIn(path);
  ASSERT_EQ(store.entries().size(), 1u);
  EXPECT_EQ(show(store.entries()[0].start), "2024-01-15 08:00:00");
  ASSERT_EQ(store.warnings().size(), 1u);
  EXPECT_EQ(store.warnings()[0],
            path + ":5: unknown time zone 'Mars Base Time'; read as local time");
}

TEST(ReadTimes, EndBeforeStartReadsAsNoTimeWithAWarning) {
  TempFolder folder;
  const std::string path =
      folder.write("c.ics", calendarWith("DTSTART:20240115T100000Z\nDTEND:20240115T090000Z\n"));
  const CalendarStore store = openIn(path);
  EXPECT_EQ(store.entries().at(0).durationMinutes, 0);
  ASSERT_EQ(store.warnings().size(), 1u);
  EXPECT_EQ(store.warnings()[0],
            path + ":5: the event ends before it starts; read as lasting 0 minutes");
}

TEST(ReadShapes, TwoCalendarsByteOrderMarkFoldedLinesAndBareLineFeeds) {
  TempFolder folder;
  const std::string text =
      "\xEF\xBB\xBF"
      "BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VEVENT\nUID:first\nDTSTART:20240115T080000Z\n"
      "SUMMARY:A summary folded over three \n lines in the middle of a wo\n rd\n"
      "END:VEVENT\nEND:VCALENDAR\n"
      "BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VEVENT\nUID:second\nDTSTART:20240116T080000Z\n"
      "CATEGORIES:Gr\xC3\n \xBC\x6E\n"  // "Grün", folded inside its UTF-8 sequence
      "END:VEVENT\nEND:VCALENDAR\n";
  const auto entries = openIn(folder.write("c.ics", text)).entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].key, "first");
  EXPECT_EQ(entries[0].subject, "A summary folded over three lines in the middle of a word");
  EXPECT_EQ(entries[1].key, "second");
  EXPECT_EQ(entries[1].categories, "Gr\xC3\xBCn");
}

TEST(ReadShapes, EventWithoutUidGetsAKeyThatStaysWithItsText) {
  TempFolder folder;
  const std::string text = crlf(
      "BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART:20240115T080000Z\nSUMMARY:A\nEND:VEVENT\n"
      "BEGIN:VEVENT\nDTSTART:20240115T080000Z\nSUMMARY:B\nEND:VEVENT\nEND:VCALENDAR\n");
  const auto first = openIn(folder.write("c.ics", text)).entries();
  const auto again = openIn(folder.write("d.ics", text)).entries();
  ASSERT_EQ(first.size(), 2u);
  EXPECT_FALSE(first[0].key.empty());
  EXPECT_NE(first[0].key, first[1].key);
  EXPECT_EQ(first[0].key, again[0].key);
}

}  // namespace
}  // namespace qh::sim::mailbox::testing
