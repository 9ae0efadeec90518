// The largest export the add-in makes (32,764 Times) restricts, sorts, walks and empties a
// calendar in linear-logarithmic time: a quadratic step would take tens of seconds here.
#include <gtest/gtest.h>

#include <chrono>

#include "OutlookFixture.h"

namespace qh::sim::outlook {
namespace {

using testing::OutlookTest;

TEST_F(OutlookTest, ThirtyTwoThousandTimesRestrictSortWalkAndDeleteQuickly) {
  constexpr int kTimes = 32764;
  for (int i = 0; i < kTimes; ++i) {
    AppointmentItem::Fields f;
    f.subject = "Time " + std::to_string(i);
    // Filed in reverse order of start, so that sorting has work to do.
    f.start = Date::fromParts(2026, 1, 1, 8, 0, 0).addDays((kTimes - i) % 360);
    outlook.addAppointment(outlook.calendar(), f);
  }
  const auto started = std::chrono::steady_clock::now();
  Ref<Object> items = Ref<Object>(&outlook.calendar())
                          ->getObject("Items")
                          ->getObject("Restrict", "[Start] >= '1/1/2026' And [Start] < '1/1/2027'");
  items->call("Sort", "[Start]");
  int walked = 0;
  Date previous;
  for (Ref<Object> item = items->getObject("GetFirst"); item; item = items->getObject("GetNext")) {
    const Date start = item->get("Start").toDate();
    ASSERT_FALSE(start < previous);
    previous = start;
    ++walked;
  }
  int deleted = 0;
  for (Ref<Object> item = items->getObject("GetLast"); item;
       item = items->getObject("GetPrevious")) {
    item->call("Delete");
    ++deleted;
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  EXPECT_EQ(walked, kTimes);
  EXPECT_EQ(deleted, kTimes);
  EXPECT_TRUE(outlook.calendar().items().empty());
  // Well under a second in a release build; generous for debug and sanitizer builds.
  EXPECT_LT(took.count(), 20.0);
}

}  // namespace
}  // namespace qh::sim::outlook
