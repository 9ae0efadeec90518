#include <gtest/gtest.h>

#include "OutlookFixture.h"

namespace qh::sim::outlook {
namespace {

using testing::OutlookTest;

// A weekly series starting Monday 23 November 2026, five times, and a single Time.
class Recurrence : public OutlookTest {
 protected:
  void SetUp() override {
    AppointmentItem::Fields f;
    f.subject = "Standup";
    f.start = Date::fromParts(2026, 11, 23, 9, 0, 0);
    f.durationMinutes = 15;
    f.categories = "Meetings";
    f.recurrence = RecurrencePattern::weekly(5);
    series = outlook.addAppointment(outlook.calendar(), f);
    addTime(outlook.calendar(), "Review");  // 7 December, 9:00
    items = Ref<Object>(&outlook.calendar())->getObject("Items");
  }
  static std::vector<std::string> listed(Object& collection) {
    std::vector<std::string> out;
    for (Ref<Object> i = collection.getObject("GetFirst"); i; i = collection.getObject("GetNext"))
      out.push_back(i->get("Subject").toString() + " " +
                    std::to_string(i->get("Start").toDate().parts().day));
    return out;
  }

  Ref<AppointmentItem> series;
  Ref<Object> items;
};

TEST_F(Recurrence, TheMasterIsRecurringAndStartsWithTheSeries) {
  EXPECT_TRUE(series->get("IsRecurring").toBool());
  EXPECT_EQ(series->get("RecurrenceState").toInt32(), 1);
  EXPECT_EQ(series->get("Start").toDate(), Date::fromParts(2026, 11, 23, 9, 0, 0));
  EXPECT_EQ(RecurrencePattern::daily(3, 2).starts(Date::fromParts(2026, 1, 30)),
            (std::vector<Date>{Date::fromParts(2026, 1, 30), Date::fromParts(2026, 2, 1),
                               Date::fromParts(2026, 2, 3)}));
}

TEST_F(Recurrence, SetBeforeRestrictListsTheOccurrencesInTheRange) {
  items->call("Sort", "[Start]");
  items->put("IncludeRecurrences", true);
  Ref<Object> week =
      items->getObject("Restrict", "[Start] >= '12/1/2026' And [Start] < '12/15/2026'");
  EXPECT_EQ(listed(*week), (std::vector<std::string>{"Standup 7", "Review 7", "Standup 14"}));
  Ref<Object> occurrence = week->getObject("GetFirst");
  EXPECT_TRUE(occurrence->get("IsRecurring").toBool());
  EXPECT_EQ(occurrence->get("RecurrenceState").toInt32(), 2);
  EXPECT_EQ(occurrence->get("Duration").toInt32(), 15);
  EXPECT_EQ(occurrence->get("Categories").toString(), "Meetings");
  EXPECT_TRUE(occurrence->get("Saved").toBool());
}

TEST_F(Recurrence, SetAfterRestrictListsTheSeriesOnceWhenTheMasterStartsInTheRange) {
  Ref<Object> late =
      items->getObject("Restrict", "[Start] >= '12/1/2026' And [Start] < '12/15/2026'");
  late->call("Sort", "[Start]");
  late->put("IncludeRecurrences", true);
  EXPECT_EQ(listed(*late), std::vector<std::string>{"Review 7"});

  Ref<Object> early =
      items->getObject("Restrict", "[Start] >= '11/23/2026' And [Start] < '12/8/2026'");
  early->put("IncludeRecurrences", true);
  EXPECT_EQ(listed(*early), (std::vector<std::string>{"Standup 23", "Review 7"}));
}

TEST_F(Recurrence, NoExpansionUnderAnotherSortOrder) {
  items->call("Sort", "[Subject]");
  items->put("IncludeRecurrences", true);
  EXPECT_EQ(listed(*items->getObject("Restrict", "[Start] >= '11/1/2026'")),
            (std::vector<std::string>{"Review 7", "Standup 23"}));
}

TEST_F(Recurrence, AnOccurrenceCannotBeSavedOrDeletedAndTheFolderKeepsOneItem) {
  items->put("IncludeRecurrences", true);
  Ref<Object> all = items->getObject("Restrict", "[Subject] = 'Standup'");
  EXPECT_EQ(all->get("Count").toInt32(), 5);
  Ref<Object> occurrence = all->getObject("GetLast");
  EXPECT_THROW(occurrence->call("Save"), Error);
  EXPECT_THROW(occurrence->call("Delete"), Error);
  EXPECT_EQ(outlook.calendar().items().size(), 2u);
}

}  // namespace
}  // namespace qh::sim::outlook
