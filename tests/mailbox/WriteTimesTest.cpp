// Changed times keep the form the file gives them, or take the local zone where they must.
#include <gtest/gtest.h>

#include "tests/mailbox/Samples.h"
#include "tests/mailbox/SavingTest.h"

namespace qh::sim::mailbox::testing {
namespace {

class WriteTimes : public SavingTest {};

TEST_F(WriteTimes, MovedTimesKeepTheirZoneAndForm) {
  const std::string outlook = crlf(kOutlookSample);
  const std::string written = afterSaving(outlook, [](auto& e) {
    e[0].start = e[0].start.addDays(1);
    e[0].durationMinutes = 60;
  });
  EXPECT_EQ(written,
            replaced(replaced(outlook, "DTEND;TZID=\"W. Europe Standard Time\":20240318T101500",
                              "DTEND;TZID=\"W. Europe Standard Time\":20240319T103000"),
                     "DTSTART;TZID=\"W. Europe Standard Time\":20240318T093000",
                     "DTSTART;TZID=\"W. Europe Standard Time\":20240319T093000"));

  const std::string google = crlf(kGoogleSample);
  EXPECT_EQ(afterSaving(google, [](auto& e) { e[0].start = Date::fromParts(2021, 12, 23, 9, 0); }),
            replaced(replaced(google, "DTSTART:20211222T170000Z", "DTSTART:20211223T080000Z"),
                     "DTEND:20211222T180000Z", "DTEND:20211223T090000Z"));
}

TEST_F(WriteTimes, DurationStaysADurationAndCountsElapsedTime) {
  const std::string original = crlf(
      "BEGIN:VCALENDAR\nBEGIN:VEVENT\nUID:d\nDTSTART:20240330T220000\nDURATION:PT1H\nEND:"
      "VEVENT\nEND:VCALENDAR\n");
  EXPECT_EQ(afterSaving(original, [](auto& e) { e[0].durationMinutes = 90; }),
            replaced(original, "DURATION:PT1H", "DURATION:PT1H30M"));
  // A floating end across the change to summer time is written as the wall clock shows it.
  const std::string withEnd = crlf(
      "BEGIN:VCALENDAR\nBEGIN:VEVENT\nUID:d\nDTSTART:20240330T220000\nDTEND:20240330T230000\nEND:"
      "VEVENT\nEND:VCALENDAR\n");
  EXPECT_EQ(afterSaving(withEnd, [](auto& e) { e[0].durationMinutes = 7 * 60; }),
            replaced(withEnd, "DTEND:20240330T230000", "DTEND:20240331T060000"));
}

TEST_F(WriteTimes, AllDayOnAndOff) {
  const std::string google = crlf(kGoogleSample);
  const std::string allDay = afterSaving(google, [](auto& e) {
    e[0].allDayEvent = true;
    e[0].start = e[0].start.dateOnly();
    e[0].durationMinutes = 2 * 1440;
  });
  EXPECT_EQ(allDay,
            replaced(replaced(google, "DTSTART:20211222T170000Z", "DTSTART;VALUE=DATE:20211222"),
                     "DTEND:20211222T180000Z", "DTEND;VALUE=DATE:20211224"));

  // Back to timed hours: DATE values cannot hold them, so the local zone is written, with its
  // definition.
  const std::string outlook = crlf(kOutlookSample);
  const std::string timed = afterSaving(outlook, [](auto& e) {
    e[1].allDayEvent = false;
    e[1].start = Date::fromParts(2024, 3, 20, 10, 0);
    e[1].durationMinutes = 30;
  });
  EXPECT_NE(timed.find("BEGIN:VEVENT\r\nDTEND;TZID=Europe/Berlin:20240320T103000\r\n"
                       "DTSTART;TZID=Europe/Berlin:20240320T100000\r\nSUMMARY:Trade fair\r\n"),
            std::string::npos)
      << timed;
  const auto zone = timed.find("END:VTIMEZONE\r\nBEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n");
  ASSERT_NE(zone, std::string::npos);
  EXPECT_LT(zone, timed.find("BEGIN:VEVENT")) << "the zone goes before the calendar's first event";
  auto again = reread();
  EXPECT_FALSE(again[1].allDayEvent);
  EXPECT_EQ(show(again[1].start), "2024-03-20 10:00:00");
  EXPECT_EQ(again[1].durationMinutes, 30);

  // Still flagged all-day but given hours, or a length of part of a day: DATE values would
  // drop them, so the times are written, and read back as they were given.
  for (const auto& [start, minutes] :
       {std::pair{Date::fromParts(2024, 3, 20, 10, 0), 1440}, {Date::fromParts(2024, 3, 20), 90}}) {
    afterSaving(outlook, [&](auto& e) {
      e[1].start = start;
      e[1].durationMinutes = minutes;
    });
    const auto read = reread();
    EXPECT_FALSE(read[1].allDayEvent);
    EXPECT_EQ(show(read[1].start), show(start));
    EXPECT_EQ(read[1].durationMinutes, minutes);
  }
}

TEST_F(WriteTimes, OutlooksAllDayFlagGoesWithTheAllDay) {
  // The old CDO form in UTC stays UTC.
  const std::string outlook = crlf(kOutlookSample);
  const std::string written = afterSaving(outlook, [](auto& e) {
    e[2].allDayEvent = false;
    e[2].start = Date::fromParts(2024, 3, 31, 10, 0);
    e[2].durationMinutes = 30;
  });
  EXPECT_EQ(written,
            replaced(outlook,
                     "DTSTART:20240330T230000Z\r\nDTEND:20240331T220000Z\r\nSUMMARY:Holiday\r\n"
                     "UID:outlook-3\r\nX-MICROSOFT-CDO-ALLDAYEVENT:TRUE\r\n",
                     "DTSTART:20240331T080000Z\r\nDTEND:20240331T083000Z\r\nSUMMARY:Holiday\r\n"
                     "UID:outlook-3\r\n"));
}

}  // namespace
}  // namespace qh::sim::mailbox::testing
