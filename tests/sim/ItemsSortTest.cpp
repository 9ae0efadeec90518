#include <gtest/gtest.h>

#include "OutlookFixture.h"

namespace qh::sim::outlook {
namespace {

using testing::OutlookTest;

class ItemsSort : public OutlookTest {
 protected:
  void SetUp() override {
    add("Wednesday", Date::fromParts(2026, 12, 2, 9, 0, 0), 30);
    add("monday", Date::fromParts(2026, 11, 30, 9, 0, 0), 90);
    add("Tuesday", Date::fromParts(2026, 12, 1, 9, 0, 0), 60);
    add("Also Monday", Date::fromParts(2026, 11, 30, 9, 0, 0), 60);
    items = Ref<Object>(&outlook.calendar())->getObject("Items");
  }
  void add(const std::string& subject, Date start, int minutes) {
    AppointmentItem::Fields f;
    f.subject = subject;
    f.start = start;
    f.durationMinutes = minutes;
    outlook.addAppointment(outlook.calendar(), f);
  }
  std::vector<std::string> order() {
    std::vector<std::string> out;
    for (int i = 1; i <= items->get("Count").toInt32(); ++i)
      out.push_back(items->getObject("Item", i)->get("Subject").toString());
    return out;
  }

  Ref<Object> items;
};

TEST_F(ItemsSort, SortsByStartAscendingWhenDescendingIsOmittedKeepingTiesInFolderOrder) {
  items->call("Sort", "[Start]");
  EXPECT_EQ(order(), (std::vector<std::string>{"monday", "Also Monday", "Tuesday", "Wednesday"}));
  items->call("Sort", "[Start]", true);
  EXPECT_EQ(order(), (std::vector<std::string>{"Wednesday", "Tuesday", "monday", "Also Monday"}));
}

TEST_F(ItemsSort, SortsTextWithoutRegardToCaseAndNumbersByValue) {
  items->call("Sort", "Subject");
  EXPECT_EQ(order(), (std::vector<std::string>{"Also Monday", "monday", "Tuesday", "Wednesday"}));
  items->call("Sort", "[Duration]", false);
  EXPECT_EQ(order(), (std::vector<std::string>{"Wednesday", "Also Monday", "Tuesday", "monday"}));
}

TEST_F(ItemsSort, RaisesForAPropertyNoItemHas) {
  EXPECT_THROW(items->call("Sort", "[NoSuchField]"), Error);
  EXPECT_THROW(items->call("Sort", "[]"), Error);
  EXPECT_EQ(order().front(), "Wednesday") << "a failed sort leaves the order as it was";
}

TEST_F(ItemsSort, ARestrictedCollectionKeepsTheOrderItWasMadeIn) {
  items->call("Sort", "[Start]", true);
  Ref<Object> some = items->getObject("Restrict", "[Duration] >= 60");
  std::vector<std::string> subjects;
  for (Ref<Object> i = some->getObject("GetFirst"); i; i = some->getObject("GetNext"))
    subjects.push_back(i->get("Subject").toString());
  EXPECT_EQ(subjects, (std::vector<std::string>{"Tuesday", "monday", "Also Monday"}));
}

TEST_F(ItemsSort, ASortedCollectionStillLosesDeletedItems) {
  items->call("Sort", "[Start]");
  items->getObject("Item", 1)->call("Delete");
  EXPECT_EQ(order(), (std::vector<std::string>{"Also Monday", "Tuesday", "Wednesday"}));
}

}  // namespace
}  // namespace qh::sim::outlook
