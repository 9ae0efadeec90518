#include <gtest/gtest.h>

#include "automation/Date.h"

namespace qh {
namespace {

void expectParts(Date d, int y, int mo, int day, int h = 0, int mi = 0, int s = 0) {
  const Date::Parts p = d.parts();
  EXPECT_EQ(p.year, y);
  EXPECT_EQ(p.month, mo);
  EXPECT_EQ(p.day, day);
  EXPECT_EQ(p.hour, h);
  EXPECT_EQ(p.minute, mi);
  EXPECT_EQ(p.second, s);
}

constexpr double kSecond = 1.0 / 86400.0;

TEST(Date, PartsRoundTripThroughTheSerial) {
  expectParts(Date(), 1899, 12, 30);
  expectParts(Date(36526.75), 2000, 1, 1, 18);
  const Date d = Date::fromParts(2024, 2, 29, 13, 45, 30);
  expectParts(d, 2024, 2, 29, 13, 45, 30);
  EXPECT_EQ(d.hour(), 13);
  EXPECT_EQ(d.minute(), 45);
  EXPECT_EQ(d.second(), 30);
  expectParts(Date::fromParts(9999, 12, 31, 23, 59, 59), 9999, 12, 31, 23, 59, 59);
  expectParts(Date::fromParts(1601, 1, 1), 1601, 1, 1);
}

TEST(Date, OutOfRangePartsRollOver) {
  expectParts(Date::fromParts(2024, 13, 1), 2025, 1, 1);
  expectParts(Date::fromParts(2024, 0, 1), 2023, 12, 1);
  expectParts(Date::fromParts(2024, -12, 1), 2022, 12, 1);
  expectParts(Date::fromParts(2024, 1, 32), 2024, 2, 1);
  expectParts(Date::fromParts(2024, 3, 0), 2024, 2, 29);
  expectParts(Date::fromParts(2024, 1, 1, 25), 2024, 1, 2, 1);
  expectParts(Date::fromParts(2024, 1, 1, -6), 2023, 12, 31, 18);
}

TEST(Date, NegativeSerialsCountTheTimeForwardFromMidnight) {
  EXPECT_EQ(Date::fromParts(1899, 12, 29, 6).serial(), -1.25);
  EXPECT_EQ(Date::fromParts(1899, 12, 28, 18).serial(), -2.75);
  expectParts(Date(-1.25), 1899, 12, 29, 6);
  // -0.25 is the same moment as 0.25: 30 December 1899, 06:00.
  expectParts(Date(-0.25), 1899, 12, 30, 6);
  expectParts(Date(-36522.5), 1800, 1, 1, 12);
}

TEST(Date, RoundsToTheNearestSecond) {
  const double base = Date::fromParts(2024, 5, 6, 10, 0, 0).serial();
  expectParts(Date(base + 0.4 * kSecond), 2024, 5, 6, 10, 0, 0);
  expectParts(Date(base + 0.6 * kSecond), 2024, 5, 6, 10, 0, 1);
  const double lastSecond = Date::fromParts(2024, 1, 31, 23, 59, 59).serial();
  expectParts(Date(lastSecond + 0.6 * kSecond), 2024, 2, 1);
  EXPECT_EQ(Date(lastSecond + 0.6 * kSecond).dateOnly(), Date::fromParts(2024, 2, 1));
}

TEST(Date, NegativeSerialsRoundUpToTheNextDay) {
  // 29 December 1899, 23:59:59.6 becomes 30 December 00:00:00, the later day.
  expectParts(Date(-1.0 - (1.0 - 0.4 * kSecond)), 1899, 12, 30);
  // 30 December 1899, 23:59:59.6 written as a negative serial.
  expectParts(Date(-(1.0 - 0.4 * kSecond)), 1899, 12, 31);
}

TEST(Date, AddDaysCrossesMonthAndYearEndsKeepingTheTime) {
  expectParts(Date::fromParts(2024, 1, 31, 9, 15).addDays(1), 2024, 2, 1, 9, 15);
  expectParts(Date::fromParts(2023, 12, 31, 18, 30).addDays(1), 2024, 1, 1, 18, 30);
  expectParts(Date::fromParts(2024, 2, 28).addDays(1), 2024, 2, 29);
  expectParts(Date::fromParts(2023, 2, 28).addDays(1), 2023, 3, 1);
  expectParts(Date::fromParts(2024, 3, 1, 0, 0, 1).addDays(-1), 2024, 2, 29, 0, 0, 1);
  expectParts(Date::fromParts(2024, 1, 5).addDays(-7), 2023, 12, 29);
}

TEST(Date, AddDaysCrossesTheEpoch) {
  const Date morning = Date::fromParts(1899, 12, 31, 6);
  EXPECT_EQ(morning.addDays(-2).serial(), -1.25);
  EXPECT_EQ(morning.addDays(-1).serial(), 0.25);
  EXPECT_EQ(Date(-1.25).addDays(1).serial(), 0.25);
  EXPECT_EQ(Date(-1.25).addDays(2), morning);
}

TEST(Date, DateOnlyAndWithTimeKeepTheDay) {
  EXPECT_EQ(Date(45000.75).dateOnly(), Date(45000));
  EXPECT_EQ(Date(-1.25).dateOnly(), Date(-1));
  EXPECT_EQ(Date(45000.75).withTime(6, 0, 0), Date(45000.25));
  EXPECT_EQ(Date(-1.25).withTime(18, 0, 0), Date(-1.75));
}

TEST(Date, WeekdayCountsFromSunday) {
  EXPECT_EQ(Date().weekday(), 7);  // 30 December 1899 was a Saturday
  EXPECT_EQ(Date::fromParts(2024, 3, 10).weekday(), 1);
  EXPECT_EQ(Date::fromParts(2024, 3, 16, 23, 59).weekday(), 7);
  EXPECT_EQ(Date(-1.25).weekday(), 6);
  EXPECT_EQ(Date::fromParts(2000, 1, 1).weekday(), 7);
}

}  // namespace
}  // namespace qh

namespace qh {
namespace {

TEST(DateOrder, OrdersDatesBeforeTheEpochByTheMomentTheyStandFor) {
  const Date morning = Date::fromParts(1899, 12, 29, 6, 0, 0);
  const Date noon = Date::fromParts(1899, 12, 29, 12, 0, 0);
  EXPECT_LT(morning, noon);
  EXPECT_LT(Date::fromParts(1899, 12, 28, 23, 0, 0), morning);
  EXPECT_LT(noon, Date::fromParts(1900, 1, 1));
  EXPECT_EQ(Date::fromParts(1899, 12, 29, 6, 0, 0), morning);
}

}  // namespace
}  // namespace qh
