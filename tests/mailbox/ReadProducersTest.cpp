// Reading the calendars of Outlook, Google and Thunderbird into entries.
#include <gtest/gtest.h>

#include "tests/mailbox/CalendarFiles.h"
#include "tests/mailbox/Samples.h"

namespace qh::sim::mailbox::testing {
namespace {

std::vector<CalendarEntry> read(const TempFolder& folder, const char* sample,
                                const std::string& zone = "Europe/Berlin") {
  return openIn(folder.write("calendar.ics", crlf(sample)), zone).entries();
}

TEST(ReadProducers, OutlookWindowsZoneWithItsOwnDefinition) {
  TempFolder folder;
  const auto entries = read(folder, kOutlookSample);
  ASSERT_EQ(entries.size(), 3u);
  const CalendarEntry& sync = entries[0];
  EXPECT_EQ(sync.subject, "Weekly sync");
  EXPECT_EQ(show(sync.start), "2024-03-18 09:30:00");
  EXPECT_EQ(sync.durationMinutes, 45);
  EXPECT_FALSE(sync.allDayEvent);
  EXPECT_FALSE(sync.isRecurring);
  EXPECT_EQ(sync.categories, "Project A, Support");
  EXPECT_EQ(sync.body, "Figures, see attachment\nSecond line");
  // The folded UID is one value.
  EXPECT_EQ(sync.key,
            "040000008200E00074C5B7101A82E00800000000D0B1F3A1C26CDA01000000000000000010000000A1");
  EXPECT_TRUE(sync.userProperties.empty()) << "vendor X- properties are not user properties";
  EXPECT_NE(sync.component, nullptr);
}

TEST(ReadProducers, OutlookAllDayAsDatesAndAsUtcMidnightsWithTheFlag) {
  TempFolder folder;
  const auto entries = read(folder, kOutlookSample);
  ASSERT_EQ(entries.size(), 3u);
  const CalendarEntry& fair = entries[1];
  EXPECT_TRUE(fair.allDayEvent);
  EXPECT_EQ(show(fair.start), "2024-03-20 00:00:00");
  EXPECT_EQ(fair.durationMinutes, 2 * 1440) << "DTEND of a DATE event is exclusive";
  // Berlin midnights in UTC across the change to summer time: a 23-hour day that is one day.
  const CalendarEntry& holiday = entries[2];
  EXPECT_TRUE(holiday.allDayEvent);
  EXPECT_EQ(show(holiday.start), "2024-03-31 00:00:00");
  EXPECT_EQ(holiday.durationMinutes, 1440);
}

TEST(ReadProducers, TheAllDayFlagAloneDoesNotMakeTimedHoursAllDay) {
  TempFolder folder;
  // The same UTC times are not local midnights in New York.
  const auto entries = read(folder, kOutlookSample, "America/New_York");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_FALSE(entries[2].allDayEvent);
  EXPECT_EQ(show(entries[2].start), "2024-03-30 19:00:00");
  EXPECT_EQ(entries[2].durationMinutes, 23 * 60);
}

TEST(ReadProducers, GoogleUtcEventsSeriesAndMovedInstance) {
  TempFolder folder;
  const auto entries = read(folder, kGoogleSample);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(show(entries[0].start), "2021-12-22 18:00:00");
  EXPECT_EQ(entries[0].durationMinutes, 60);
  EXPECT_FALSE(entries[0].isRecurring);
  EXPECT_EQ(entries[0].key, "call@google.com");

  EXPECT_TRUE(entries[1].isRecurring);
  EXPECT_EQ(entries[1].key, "standup@google.com");
  EXPECT_EQ(show(entries[1].start), "2024-01-08 09:00:00");
  EXPECT_EQ(entries[1].durationMinutes, 15);

  EXPECT_TRUE(entries[2].isRecurring) << "an exception instance belongs to its series";
  EXPECT_EQ(entries[2].key, "standup@google.com;RECURRENCE-ID;TZID=Europe/Berlin:20240115T090000");
  EXPECT_EQ(entries[2].subject, "Stand-up (moved)");
  EXPECT_EQ(show(entries[2].start), "2024-01-16 10:00:00");
}

TEST(ReadProducers, ThunderbirdCategoriesOnSeveralLinesAndAForeignZone) {
  TempFolder folder;
  const auto entries = read(folder, kThunderbirdSample);
  ASSERT_EQ(entries.size(), 1u);
  // 10:00 in New York (already summer time there) is 15:00 in Berlin (not yet).
  EXPECT_EQ(show(entries[0].start), "2024-03-11 15:00:00");
  EXPECT_EQ(entries[0].durationMinutes, 90);
  EXPECT_EQ(entries[0].categories, "Project A, Kunde, Projekt X");
}

TEST(ReadProducers, TheLocalZoneIsTheOneGiven) {
  TempFolder folder;
  const auto entries = read(folder, kGoogleSample, "America/New_York");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(show(entries[0].start), "2021-12-22 12:00:00");
  EXPECT_EQ(show(entries[1].start), "2024-01-08 03:00:00");
}

}  // namespace
}  // namespace qh::sim::mailbox::testing
