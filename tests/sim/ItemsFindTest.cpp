#include <gtest/gtest.h>

#include "OutlookFixture.h"

namespace qh::sim::outlook {
namespace {

using testing::OutlookTest;

class ItemsFind : public OutlookTest {
 protected:
  void SetUp() override {
    addTime(outlook.calendar(), "Review", "Support");
    settings = addTime(outlook.calendar(), "Quillhour_Settings1_");
    addTime(outlook.calendar(), "Quillhour_Settings1_");  // a second one is never found first
    addTime(outlook.calendar(), "Bob's meeting");
    items = Ref<Object>(&outlook.calendar())->getObject("Items");
  }
  Ref<Object> find(const std::string& filter) { return items->getObject("Find", filter); }

  Ref<AppointmentItem> settings;
  Ref<Object> items;
};

TEST_F(ItemsFind, AnswersTheFirstMatchInFolderOrder) {
  EXPECT_TRUE(sameObject(find("[Subject] = 'Quillhour_Settings1_'").get(), settings.get()));
  EXPECT_TRUE(sameObject(find("[Subject]='Quillhour_Settings1_'").get(), settings.get()));
}

TEST_F(ItemsFind, ComparesTextWithoutRegardToCaseAsOutlookDoes) {
  EXPECT_TRUE(sameObject(find("[subject] = 'QUILLHOUR_SETTINGS1_'").get(), settings.get()));
}

TEST_F(ItemsFind, AnswersNothingWhenNoItemMatches) {
  EXPECT_FALSE(find("[Subject] = 'Quillhour_Settings2_'"));
  EXPECT_FALSE(find("[Subject] = 'Quillhour'"));
  EXPECT_FALSE(find("[NoSuchProperty] = 'x'"));
}

TEST_F(ItemsFind, ReadsQuotedValuesWithDoubledQuotes) {
  EXPECT_EQ(find("[Subject] = 'Bob''s meeting'")->get("Subject").toString(), "Bob's meeting");
  EXPECT_EQ(find("[Subject] = \"Review\"")->get("Categories").toString(), "Support");
}

TEST_F(ItemsFind, JoinsConditionsWithAnd) {
  EXPECT_EQ(find("[Subject] = 'Review' And [Categories] = 'Support'")->get("Subject").toString(),
            "Review");
  EXPECT_FALSE(find("[Subject] = 'Review' AND [Categories] <> 'Support'"));
  EXPECT_TRUE(find("[Duration] >= 60 and [AllDayEvent] = False"));
}

TEST_F(ItemsFind, RaisesForFiltersItCannotParse) {
  for (const char* bad : {"Subject = 'x'", "[Subject] 'x'", "[Subject] = 'open",
                          "[Subject] = ", "[Subject] = 'x' Or [Subject] = 'y'", "[] = 'x'", ""}) {
    try {
      find(bad);
      ADD_FAILURE() << "parsed: " << bad;
    } catch (const Error& e) {
      EXPECT_EQ(e.description().rfind("Cannot parse condition. Error at", 0), 0u) << bad;
    }
  }
}

TEST_F(ItemsFind, ReadsDatesInTheSystemsShortDateFormat) {
  system.setLocale(Locale::EnGb);
  EXPECT_TRUE(find("[Start] >= '07/12/2026' And [Start] < '08/12/2026'"));
  EXPECT_FALSE(find("[Start] >= '08/12/2026'"));
  EXPECT_TRUE(find("[Start] <= '07/12/2026 9:00 am'"));
  EXPECT_FALSE(find("[Start] < '07/12/2026 9:00 am'"));
  EXPECT_THROW(find("[Start] >= '12/31/2026'"), Error);  // no 31st month in en-GB
}

TEST_F(ItemsFind, CountsAndIndexesItemsFromOne) {
  EXPECT_EQ(items->get("Count").toInt32(), 4);
  EXPECT_EQ(items->getObject("Item", 1)->get("Subject").toString(), "Review");
  EXPECT_EQ(items->getObject("Item", std::int16_t{4})->get("Subject").toString(), "Bob's meeting");
  EXPECT_THROW(items->get("Item", 0), Error);
  EXPECT_THROW(items->get("Item", 5), Error);
  addTime(outlook.calendar(), "Later");
  EXPECT_EQ(items->get("Count").toInt32(), 5);  // the collection shows the folder live
}

}  // namespace
}  // namespace qh::sim::outlook
