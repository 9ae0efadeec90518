// Reading the tag list from the settings item into TagArray at connection.
#include "core/TagList.h"
#include "tests/core/InProcessAddinTest.h"

namespace qh::core::testing {
namespace {

using GlobalInitSettings = InProcessAddinTest;
using Tags = std::vector<std::string>;

TEST_F(GlobalInitSettings, KeepsEachTagAsWrittenWithItsSpacesAndEmptyTags) {
  storeTagList(" Padded ; Admin;;\tTabbed; ");
  connect();
  EXPECT_EQ(addinGlobals().TagArray.items, (Tags{" Padded ", "Admin", "", "\tTabbed", ""}));
}

TEST_F(GlobalInitSettings, AnUnreadableBodyLeavesTheListItHadBefore) {
  Ref<sim::outlook::AppointmentItem> settings = storeTagList("Support");
  connect();
  ASSERT_EQ(addinGlobals().TagArray.items, Tags{"Support"});

  settings->failOn("Body", "The item is corrupt.");
  qh::core::GlobalInitSettings();
  EXPECT_EQ(addinGlobals().TagArray.items, Tags{"Support"});
  EXPECT_EQ(logMessages(), std::vector<std::string>{"GlobalInitSettings:The item is corrupt."});
}

TEST_F(GlobalInitSettings, AnUnreadableBodyAtConnectionLeavesTheListUnassigned) {
  storeTagList("Support")->failOn("Body", "The item is corrupt.");
  connect();
  EXPECT_FALSE(addinGlobals().TagArray.assigned);
}

TEST_F(GlobalInitSettings, ReadsNoItemIntoExistence) {
  connect();
  EXPECT_TRUE(addinGlobals().TagArray.assigned);
  EXPECT_TRUE(addinGlobals().TagArray.items.empty());
  EXPECT_TRUE(outlook.calendar().items().empty());
}

}  // namespace
}  // namespace qh::core::testing
