// The local zone: which one the process uses, and conversions that libical gets wrong alone.
#include "hosts/sim/mailbox/LocalTime.h"

#include <gtest/gtest.h>

#include "tests/mailbox/CalendarFiles.h"

namespace qh::sim::mailbox {
namespace {

using testing::show;

TEST(LocalTime, ProcessZoneFromTzThenLocaltimeLinkThenUtc) {
  EXPECT_EQ(LocalTime::zoneNameFrom("Europe/Berlin", "/usr/share/zoneinfo/Asia/Tokyo"),
            "Europe/Berlin");
  EXPECT_EQ(LocalTime::zoneNameFrom(":America/New_York", ""), "America/New_York");
  EXPECT_EQ(LocalTime::zoneNameFrom("/usr/share/zoneinfo/Europe/Paris", ""), "Europe/Paris");
  EXPECT_EQ(LocalTime::zoneNameFrom("", "/usr/share/zoneinfo/Asia/Tokyo"), "Asia/Tokyo");
  EXPECT_EQ(LocalTime::zoneNameFrom(nullptr, "../usr/share/zoneinfo/Etc/UTC"), "Etc/UTC");
  EXPECT_EQ(LocalTime::zoneNameFrom(nullptr, ""), "UTC");
}

TEST(LocalTime, ConvertsBetweenLocalDatesAndZonedTimes) {
  const LocalTime berlin("Europe/Berlin");
  icaltimezone* newYork = icaltimezone_get_builtin_timezone("America/New_York");
  const icaltimetype there = berlin.fromLocal(Date::fromParts(2024, 3, 18, 9, 30), newYork);
  EXPECT_EQ(there.hour, 4);
  EXPECT_EQ(show(berlin.toLocal(there)), "2024-03-18 09:30:00");
  // A UTC time made from local parts says UTC, not the wall clock mislabelled.
  const icaltimetype utc =
      berlin.fromLocal(Date::fromParts(2024, 7, 1, 12, 0), icaltimezone_get_utc_timezone());
  EXPECT_TRUE(icaltime_is_utc(utc));
  EXPECT_EQ(utc.hour, 10);
  // Floating stays as written.
  EXPECT_EQ(berlin.fromLocal(Date::fromParts(2024, 7, 1, 12, 0), nullptr).hour, 12);
}

TEST(LocalTime, LaterCountsElapsedTimeAcrossTheChangeOfClocks) {
  const LocalTime berlin("Europe/Berlin");
  const icaltimetype end = berlin.later(Date::fromParts(2024, 3, 31, 1, 0), 2 * 3600, nullptr);
  EXPECT_EQ(end.hour, 4) << "01:00 + 2 h is 04:00 on the night the clocks jump from 02:00 to 03:00";
  EXPECT_EQ(end.zone, nullptr);
}

TEST(LocalTime, DefinitionCarriesThePlainLocationAsTzid) {
  const std::string vtimezone = LocalTime("Europe/Berlin").definition();
  EXPECT_EQ(vtimezone.rfind("BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n", 0), 0u);
  EXPECT_EQ(LocalTime("UTC").definition(), "");
  EXPECT_TRUE(LocalTime("UTC").isUtc());
}

}  // namespace
}  // namespace qh::sim::mailbox
