#include <gtest/gtest.h>

#include "OutlookFixture.h"
#include "hosts/sim/outlook/Items.h"

namespace qh::sim::outlook {
namespace {

using testing::OutlookTest;

// Restrict as the export calls it: the selection by short dates, the deletion pass with times.
class ItemsRestrict : public OutlookTest {
 protected:
  void SetUp() override {
    at("Before", Date::fromParts(2026, 11, 30, 23, 59, 0));
    at("Midnight", Date::fromParts(2026, 12, 1, 0, 0, 0));
    morning = at("Morning", Date::fromParts(2026, 12, 3, 9, 0, 0));
    at("Last minute", Date::fromParts(2026, 12, 7, 23, 59, 0));
    at("Next day", Date::fromParts(2026, 12, 8, 0, 0, 0));
  }
  Ref<AppointmentItem> at(const std::string& subject, Date start) {
    AppointmentItem::Fields f;
    f.subject = subject;
    f.start = start;
    return outlook.addAppointment(outlook.calendar(), f);
  }
  Ref<Object> items() { return Ref<Object>(&outlook.calendar())->getObject("Items"); }
  static std::vector<std::string> subjects(Object& collection) {
    std::vector<std::string> out;
    const int count = collection.get("Count").toInt32();
    for (int i = 1; i <= count; ++i)
      out.push_back(collection.getObject("Item", i)->get("Subject").toString());
    return out;
  }
  std::vector<std::string> restricted(const std::string& filter) {
    return subjects(*items()->getObject("Restrict", filter));
  }

  Ref<AppointmentItem> morning;
};

TEST_F(ItemsRestrict, SelectsFromTheFirstDaysMidnightUpToTheDayAfter) {
  EXPECT_EQ(restricted("[Start] >= '12/1/2026' And [Start] < '12/8/2026'"),
            (std::vector<std::string>{"Midnight", "Morning", "Last minute"}));
}

TEST_F(ItemsRestrict, ReadsTimesWithTheTwelveHourClockAndIncludesTheEnd) {
  EXPECT_EQ(restricted("[Start] >= '11/30/2026 11:59 PM' And [Start] <= '12/7/2026 12:00 AM'"),
            (std::vector<std::string>{"Before", "Midnight", "Morning"}));
  EXPECT_EQ(restricted("[Start] >= '12/3/2026 9:00 AM' And [Start] <= '12/8/2026 12:00 AM'"),
            (std::vector<std::string>{"Morning", "Last minute", "Next day"}));
}

TEST_F(ItemsRestrict, ReadsDatesInTheSystemsLocale) {
  system.setLocale(Locale::DeDe);
  EXPECT_EQ(restricted("[Start] >= '01.12.2026' And [Start] < '03.12.2026'"),
            std::vector<std::string>{"Midnight"});
  system.setLocale(Locale::EnGb);
  EXPECT_EQ(restricted("[Start] >= '07/12/2026 11:59 pm'"),
            (std::vector<std::string>{"Last minute", "Next day"}));
  // The en-US order is another date, or none at all, in en-GB.
  EXPECT_THROW(restricted("[Start] >= '12/13/2026'"), Error);
}

TEST_F(ItemsRestrict, AnswersANewCollectionAndLeavesTheFolderAlone) {
  Ref<Object> all = items();
  Ref<Object> some = all->getObject("Restrict", "[Subject] = 'Morning'");
  EXPECT_FALSE(sameObject(all.get(), some.get()));
  EXPECT_EQ(all->get("Count").toInt32(), 5);
  EXPECT_EQ(subjects(*some), std::vector<std::string>{"Morning"});
  EXPECT_TRUE(sameObject(some->getObject("Parent").get(), &outlook.calendar()));
  EXPECT_EQ(outlook.calendar().restrictions(), std::vector<std::string>{"[Subject] = 'Morning'"});
}

TEST_F(ItemsRestrict, RestrictsARestrictedCollectionFurther) {
  Ref<Object> december = items()->getObject("Restrict", "[Start] >= '12/1/2026'");
  Ref<Object> early = december->getObject("Restrict", "[Start] < '12/7/2026'");
  EXPECT_EQ(subjects(*early), (std::vector<std::string>{"Midnight", "Morning"}));
  EXPECT_EQ(december->get("Count").toInt32(), 4);
}

TEST_F(ItemsRestrict, HoldsItsItemsWhileTheFolderGainsNewOnes) {
  Ref<Object> december = items()->getObject("Restrict", "[Start] >= '12/1/2026'");
  at("Filed later", Date::fromParts(2026, 12, 2, 8, 0, 0));
  EXPECT_EQ(december->get("Count").toInt32(), 4);
  EXPECT_EQ(items()->get("Count").toInt32(), 6);
}

TEST_F(ItemsRestrict, RaisesForFiltersItCannotReadAndMatchesNothingForUnknownFields) {
  EXPECT_THROW(restricted("[Start] >= 12/1/2026 And"), Error);
  EXPECT_THROW(restricted("[Start] >= 'yesterday'"), Error);
  EXPECT_TRUE(restricted("[NoSuchField] = 'x'").empty());
}

TEST_F(ItemsRestrict, ReadsStoredValuesWithoutCallingTheItemsMembers) {
  morning->failOn("Start", "injected", FaultMode::Once);
  EXPECT_EQ(restricted("[Start] >= '12/3/2026' And [Start] < '12/4/2026'"),
            std::vector<std::string>{"Morning"});
  EXPECT_THROW(morning->get("Start"), Error) << "the fault is still there for the add-in";
}

TEST_F(ItemsRestrict, ShowsEveryCollectionMadeToTheFoldersHook) {
  int made = 0;
  outlook.calendar().onItemsMade([&](Items& c) {
    ++made;
    if (c.holdsOwnList()) c.failOn("GetNext", "injected");
  });
  Ref<Object> some = items()->getObject("Restrict", "[Subject] = 'Morning'");
  EXPECT_EQ(made, 2);
  EXPECT_THROW(some->call("GetNext"), Error);
  EXPECT_NO_THROW(items()->call("GetNext"));
}

}  // namespace
}  // namespace qh::sim::outlook
