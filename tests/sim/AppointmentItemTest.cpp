#include <gtest/gtest.h>

#include "OutlookFixture.h"

namespace qh::sim::outlook {
namespace {

using testing::OutlookTest;

class AppointmentItemTest : public OutlookTest {};

TEST_F(AppointmentItemTest, NewAppointmentTakesOutlooksDefaults) {
  Ref<Object> item = appObject()->getObject("CreateItem", kAppointmentItem);
  EXPECT_EQ(item->get("Class").toInt32(), 26);
  // The clock says 14:20: the next half hour, for half an hour.
  EXPECT_EQ(item->get("Start").toDate(), Date::fromParts(2026, 12, 7, 14, 30, 0));
  EXPECT_EQ(item->get("Duration").toInt32(), 30);
  EXPECT_TRUE(item->get("ReminderSet").toBool());
  EXPECT_EQ(item->get("MeetingStatus").toInt32(), 0);
  EXPECT_FALSE(item->get("AllDayEvent").toBool());
  EXPECT_EQ(item->get("Subject").toString(), "");
}

TEST_F(AppointmentItemTest, StartKeepsTheDurationWhileEndAndDurationChangeIt) {
  Ref<AppointmentItem> time = addTime(outlook.calendar(), "Review");  // 9:00 for an hour
  time->put("Start", Date::fromParts(2099, 1, 1));
  EXPECT_EQ(time->get("End").toDate(), Date::fromParts(2099, 1, 1, 1, 0, 0));
  EXPECT_EQ(time->get("Duration").toInt32(), 60);

  time->put("Duration", 90);
  EXPECT_EQ(time->end(), Date::fromParts(2099, 1, 1, 1, 30, 0));
  time->put("End", Date::fromParts(2099, 1, 1, 0, 15, 0));
  EXPECT_EQ(time->get("Duration").toInt32(), 15);
}

TEST_F(AppointmentItemTest, ConvertsAssignedValuesToThePropertysType) {
  Ref<AppointmentItem> time = addTime(outlook.calendar(), "Review");
  time->put("ReminderSet", 0);
  EXPECT_EQ(time->get("ReminderSet"), Variant(false));
  time->put("Subject", 42);
  EXPECT_EQ(time->get("Subject"), Variant("42"));
  EXPECT_THROW(time->put("Start", "not a date"), Error);
}

TEST_F(AppointmentItemTest, IsRecurringIsReadOnlyAndUnknownMembersFail) {
  AppointmentItem::Fields f;
  f.subject = "Weekly";
  f.isRecurring = true;
  Ref<AppointmentItem> series = outlook.addAppointment(outlook.calendar(), f);
  EXPECT_TRUE(series->get("IsRecurring").toBool());
  EXPECT_THROW(series->put("IsRecurring", false), Error);
  EXPECT_THROW(series->get("NoSuchMember"), Error);
  EXPECT_THROW(series->put("Class", 43), Error);
}

TEST_F(AppointmentItemTest, MailAndContactItemsReportTheirClasses) {
  EXPECT_EQ(appObject()->getObject("CreateItem", kMailItem)->get("Class").toInt32(), 43);
  Ref<Object> contact = appObject()->getObject("CreateItem", kContactItem);
  EXPECT_EQ(contact->get("Class").toInt32(), 40);
  EXPECT_THROW(contact->call("Send"), Error);
  EXPECT_THROW(appObject()->call("CreateItem", 7), Error);
}

}  // namespace
}  // namespace qh::sim::outlook
