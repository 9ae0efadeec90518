#include "apps/quillhour/DateText.h"

#include <gtest/gtest.h>

namespace qh::app {
namespace {

TEST(DateText, ReadsDaysAndTimesInTheirOneForm) {
  EXPECT_EQ(parseDate("2026-12-04"), Date::fromParts(2026, 12, 4));
  EXPECT_EQ(parseDate("2024-02-29"), Date::fromParts(2024, 2, 29));
  EXPECT_EQ(parseDateTime("2026-12-04 17:30"), Date::fromParts(2026, 12, 4, 17, 30, 0));
  EXPECT_EQ(parseDateTime("2026-12-04 00:00:59"), Date::fromParts(2026, 12, 4, 0, 0, 59));
}

TEST(DateText, RefusesWhatIsNoDayOrTime) {
  for (const char* text : {"", "2026-12-4", "04.12.2026", "2026-13-01", "2026-02-29", "1900-02-29",
                           "2026-12-04 ", "2026-12-04x", "２０２６-12-04"})
    EXPECT_FALSE(parseDate(text)) << text;
  for (const char* text : {"2026-12-04", "2026-12-04 24:00", "2026-12-04 9:30", "2026-12-04 09:60",
                           "2026-12-04 09:30:60", "2026-12-04T09:30"})
    EXPECT_FALSE(parseDateTime(text)) << text;
}

TEST(DateText, WritesWithLeadingZeros) {
  const Date d = Date::fromParts(2026, 3, 7, 8, 5, 9);
  EXPECT_EQ(formatDate(d), "2026-03-07");
  EXPECT_EQ(formatMinute(d), "2026-03-07 08:05");
  EXPECT_EQ(formatDateTime(d), "2026-03-07 08:05:09");
  EXPECT_EQ(formatMinute(Date::fromParts(1899, 12, 29, 6, 0, 0)), "1899-12-29 06:00");
}

}  // namespace
}  // namespace qh::app
