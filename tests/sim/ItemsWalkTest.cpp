#include <gtest/gtest.h>

#include "OutlookFixture.h"

namespace qh::sim::outlook {
namespace {

using testing::OutlookTest;

class ItemsWalk : public OutlookTest {
 protected:
  void SetUp() override {
    for (int day = 1; day <= 5; ++day) {
      AppointmentItem::Fields f;
      f.subject = "Day " + std::to_string(day);
      f.start = Date::fromParts(2026, 12, day, 9, 0, 0);
      outlook.addAppointment(outlook.calendar(), f);
    }
    items = Ref<Object>(&outlook.calendar())
                ->getObject("Items")
                ->getObject("Restrict", "[Start] >= '12/2/2026' And [Start] < '12/6/2026'");
  }
  static std::string subject(const Ref<Object>& item) {
    return item ? item->get("Subject").toString() : "Nothing";
  }

  Ref<Object> items;
};

TEST_F(ItemsWalk, WalksForwardAndBackAndAnswersNothingPastEitherEnd) {
  EXPECT_EQ(subject(items->getObject("GetFirst")), "Day 2");
  EXPECT_EQ(subject(items->getObject("GetNext")), "Day 3");
  EXPECT_EQ(subject(items->getObject("GetNext")), "Day 4");
  EXPECT_EQ(subject(items->getObject("GetNext")), "Day 5");
  EXPECT_EQ(subject(items->getObject("GetNext")), "Nothing");
  EXPECT_EQ(subject(items->getObject("GetNext")), "Nothing");
  EXPECT_EQ(subject(items->getObject("GetLast")), "Day 5");
  EXPECT_EQ(subject(items->getObject("GetPrevious")), "Day 4");
  EXPECT_EQ(subject(items->getObject("GetFirst")), "Day 2");
  EXPECT_EQ(subject(items->getObject("GetPrevious")), "Nothing");
}

TEST_F(ItemsWalk, CountsAndIndexesTheRestrictedItems) {
  EXPECT_EQ(items->get("Count").toInt32(), 4);
  EXPECT_EQ(subject(items->getObject("Item", 1)), "Day 2");
  EXPECT_EQ(subject(items->getObject("Item", 4)), "Day 5");
  EXPECT_THROW(items->get("Item", 5), Error);
}

TEST_F(ItemsWalk, AnEmptyCollectionAnswersNothingEverywhere) {
  Ref<Object> none = items->getObject("Restrict", "[Subject] = 'Day 9'");
  EXPECT_EQ(none->get("Count").toInt32(), 0);
  for (const char* member : {"GetFirst", "GetNext", "GetLast", "GetPrevious"})
    EXPECT_EQ(subject(none->getObject(member)), "Nothing") << member;
}

TEST_F(ItemsWalk, DeletingWhileWalkingBackwardVisitsEveryItem) {
  std::vector<std::string> visited;
  for (Ref<Object> item = items->getObject("GetLast"); item;
       item = items->getObject("GetPrevious")) {
    visited.push_back(subject(item));
    item->call("Delete");
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"Day 5", "Day 4", "Day 3", "Day 2"}));
  EXPECT_EQ(items->get("Count").toInt32(), 0);
  ASSERT_EQ(outlook.calendar().items().size(), 1u);
  EXPECT_EQ(outlook.calendar().items()[0]->value("Subject").toString(), "Day 1");
}

// Outlook's positions move down under a deletion, so a forward walk skips the next item.
TEST_F(ItemsWalk, DeletingWhileWalkingForwardSkipsTheItemAfterAsInOutlook) {
  std::vector<std::string> visited;
  for (Ref<Object> item = items->getObject("GetFirst"); item; item = items->getObject("GetNext")) {
    visited.push_back(subject(item));
    item->call("Delete");
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"Day 2", "Day 4"}));
  EXPECT_EQ(items->get("Count").toInt32(), 2);
}

TEST_F(ItemsWalk, TheFoldersOwnCollectionWalksInFolderOrder) {
  Ref<Object> all = Ref<Object>(&outlook.calendar())->getObject("Items");
  EXPECT_EQ(subject(all->getObject("GetLast")), "Day 5");
  EXPECT_EQ(subject(all->getObject("GetPrevious")), "Day 4");
  EXPECT_EQ(subject(all->getObject("GetFirst")), "Day 1");
}

}  // namespace
}  // namespace qh::sim::outlook
