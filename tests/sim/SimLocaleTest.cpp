#include "hosts/sim/system/SimLocale.h"

#include <gtest/gtest.h>

namespace qh::sim {
namespace {

// Functions, not globals: Date's own constants may not be initialised yet when globals are.
Date afternoon() {
  return Date::fromParts(2026, 12, 7, 14, 20, 0);
}
Date morning() {
  return Date::fromParts(2026, 3, 9, 9, 5, 7);
}

struct Formats {
  Locale locale;
  const char* shortDate;
  const char* longTime;
  const char* morningDate;
  const char* morningTime;
  const char* am;
  const char* pm;
};

class SimLocaleFormats : public ::testing::TestWithParam<Formats> {};

TEST_P(SimLocaleFormats, FormatDatesAndTimesAsWindowsDoesByDefault) {
  const Formats& f = GetParam();
  const SimLocale locale(f.locale);
  EXPECT_EQ(locale.shortDate(afternoon()), f.shortDate);
  EXPECT_EQ(locale.longTime(afternoon()), f.longTime);
  EXPECT_EQ(locale.shortDate(morning()), f.morningDate);
  EXPECT_EQ(locale.longTime(morning()), f.morningTime);
  EXPECT_EQ(locale.amDesignator(), f.am);
  EXPECT_EQ(locale.pmDesignator(), f.pm);
  EXPECT_EQ(locale.timeSeparator(), ":");
}

TEST_P(SimLocaleFormats, ReadTheirOwnShortDateBack) {
  const SimLocale locale(GetParam().locale);
  EXPECT_EQ(locale.parseShortDate(GetParam().shortDate), afternoon().dateOnly());
  EXPECT_EQ(locale.parseShortDate(GetParam().morningDate), morning().dateOnly());
}

INSTANTIATE_TEST_SUITE_P(AllLocales, SimLocaleFormats,
                         ::testing::Values(Formats{Locale::EnUs, "12/7/2026", "2:20:00 PM",
                                                   "3/9/2026", "9:05:07 AM", "AM", "PM"},
                                           Formats{Locale::EnGb, "07/12/2026", "14:20:00",
                                                   "09/03/2026", "09:05:07", "am", "pm"},
                                           Formats{Locale::DeDe, "07.12.2026", "14:20:00",
                                                   "09.03.2026", "09:05:07", "", ""}));

TEST(SimLocale, MidnightAndNoonUseTwelveOnTheTwelveHourClock) {
  const SimLocale us(Locale::EnUs);
  EXPECT_EQ(us.longTime(Date::fromParts(2026, 1, 1, 0, 0, 0)), "12:00:00 AM");
  EXPECT_EQ(us.longTime(Date::fromParts(2026, 1, 1, 12, 0, 0)), "12:00:00 PM");
}

TEST(SimLocale, ReadsDayAndMonthInTheLocalesOrder) {
  EXPECT_EQ(SimLocale(Locale::EnUs).parseShortDate("1/2/2026"), Date::fromParts(2026, 1, 2));
  EXPECT_EQ(SimLocale(Locale::EnGb).parseShortDate("1/2/2026"), Date::fromParts(2026, 2, 1));
  EXPECT_EQ(SimLocale(Locale::DeDe).parseShortDate("1.2.2026"), Date::fromParts(2026, 2, 1));
}

TEST(SimLocale, RefusesDatesThatAreNotShortDatesOfTheLocale) {
  const SimLocale us(Locale::EnUs);
  EXPECT_FALSE(us.parseShortDate("2/30/2026"));  // no such day
  EXPECT_FALSE(us.parseShortDate("13/1/2026"));  // no such month
  EXPECT_FALSE(us.parseShortDate("12.7.2026"));  // another locale's separator
  EXPECT_FALSE(us.parseShortDate("12/7/26"));    // the short date has four year digits
  EXPECT_FALSE(us.parseShortDate("12/7/2026x"));
  EXPECT_FALSE(us.parseShortDate(""));
  EXPECT_TRUE(us.parseShortDate("2/29/2028"));
}

TEST(SimLocale, ReadsShortDateWithHoursMinutesAndDesignator) {
  const SimLocale us(Locale::EnUs);
  EXPECT_EQ(us.parseDateTime("12/7/2026 2:20 PM"), Date::fromParts(2026, 12, 7, 14, 20, 0));
  EXPECT_EQ(us.parseDateTime("12/7/2026 12:05 AM"), Date::fromParts(2026, 12, 7, 0, 5, 0));
  EXPECT_EQ(us.parseDateTime("12/7/2026 12:05 PM"), Date::fromParts(2026, 12, 7, 12, 5, 0));
  EXPECT_EQ(us.parseDateTime("12/7/2026 2:20:30 pm"), Date::fromParts(2026, 12, 7, 14, 20, 30));
  EXPECT_EQ(us.parseDateTime("12/7/2026"), Date::fromParts(2026, 12, 7));

  const SimLocale gb(Locale::EnGb);
  EXPECT_EQ(gb.parseDateTime("07/12/2026 2:20 pm"), Date::fromParts(2026, 12, 7, 14, 20, 0));
  const SimLocale de(Locale::DeDe);
  EXPECT_EQ(de.parseDateTime("07.12.2026 14:20"), Date::fromParts(2026, 12, 7, 14, 20, 0));
}

TEST(SimLocale, RefusesTimesOutOfRange) {
  const SimLocale us(Locale::EnUs);
  EXPECT_FALSE(us.parseDateTime("12/7/2026 13:20 PM"));  // a designator needs 1-12
  EXPECT_FALSE(us.parseDateTime("12/7/2026 0:20 AM"));
  EXPECT_FALSE(us.parseDateTime("12/7/2026 24:00"));
  EXPECT_FALSE(us.parseDateTime("12/7/2026 2:60 PM"));
  EXPECT_FALSE(us.parseDateTime("12/7/2026 2:20 XM"));
  EXPECT_FALSE(us.parseDateTime("12/7/2026 2"));
}

TEST(SimLocale, KnowsLocalesByTheirNames) {
  EXPECT_EQ(SimLocale::fromName("en-GB"), Locale::EnGb);
  EXPECT_EQ(SimLocale::fromName("DE-de"), Locale::DeDe);
  EXPECT_FALSE(SimLocale::fromName("fr-FR"));
}

}  // namespace
}  // namespace qh::sim
