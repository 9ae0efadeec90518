// The tag list read from the settings item at connection, as the explorer's "Tag:" box shows
// it, and what each failing step of the reading leaves.
#include "tests/support/ExplorerHostTest.h"

namespace qh::testing {
namespace {

using TagList = ExplorerHostTest;
using Messages = std::vector<std::string>;

TEST_F(TagList, AMailboxWithoutSettingsHasNoTags) {
  Ref<Explorer> explorer = startOnCalendar();
  EXPECT_TRUE(tagBox(*explorer)->entries().empty());
  EXPECT_TRUE(messagesTagged("GlobalInitSettings:").empty());
  EXPECT_TRUE(messagesTagged("cExplorer:").empty());
}

TEST_F(TagList, AnEmptyBodyIsAnEmptyList) {
  storeTagList("");
  Ref<Explorer> explorer = startOnCalendar();
  EXPECT_TRUE(tagBox(*explorer)->entries().empty());
  EXPECT_TRUE(messagesTagged("cExplorer:").empty());
}

TEST_F(TagList, SemicolonsSeparateWithOrWithoutTheSpace) {
  storeTagList("Support; Project A;Meeting");
  Ref<Explorer> explorer = startOnCalendar();
  EXPECT_EQ(tagBox(*explorer)->entries(), (Messages{"Support", "Project A", "Meeting"}));
}

TEST_F(TagList, ABodyWithoutSemicolonIsOneTag) {
  storeTagList("Support, Project A");
  Ref<Explorer> explorer = startOnCalendar();
  EXPECT_EQ(tagBox(*explorer)->entries(), Messages{"Support, Project A"});
}

TEST_F(TagList, TheBoxShowsTagsWithoutTheirSpacesAndKeepsEmptyTags) {
  storeTagList(" Padded ; Admin; ");
  Ref<Explorer> explorer = startOnCalendar();
  EXPECT_EQ(tagBox(*explorer)->entries(), (Messages{"Padded", "Admin", ""}));
}

TEST_F(TagList, AnUnreadableBodyIsLoggedAndLeavesNoListToFillABoxFrom) {
  Time settings = storeTagList("Support");
  settings->failOn("Body", "The item is corrupt.");
  Ref<Explorer> explorer = startOnCalendar();
  EXPECT_EQ(messagesTagged("GlobalInitSettings:"),
            Messages{"GlobalInitSettings:The item is corrupt."});
  EXPECT_EQ(messagesTagged("cExplorer:AddCommandBar:"),
            Messages{"cExplorer:AddCommandBar:Subscript out of range"});
  EXPECT_TRUE(tagBox(*explorer)->entries().empty());
}

TEST_F(TagList, AnUnreachableCalendarIsLoggedForBothStepsAndGivesNoTags) {
  storeTagList("Support");
  outlook().nameSpace().failOn("GetDefaultFolder", "The store is offline.", sim::FaultMode::Once);
  Ref<Explorer> explorer = startOnCalendar();
  EXPECT_EQ(messagesTagged("GlobalInitSettings:"),
            (Messages{"GlobalInitSettings:The store is offline.",
                      "GlobalInitSettings:Object variable not set"}));
  EXPECT_TRUE(tagBox(*explorer)->entries().empty());
  EXPECT_TRUE(messagesTagged("cExplorer:").empty());
}

TEST_F(TagList, AFailedSearchIsLoggedOnceAndGivesNoTags) {
  storeTagList("Support");
  calendar().failOn("Items", "The folder is busy.", sim::FaultMode::Once);
  Ref<Explorer> explorer = startOnCalendar();
  EXPECT_EQ(messagesTagged("GlobalInitSettings:"),
            Messages{"GlobalInitSettings:The folder is busy."});
  EXPECT_TRUE(tagBox(*explorer)->entries().empty());
}

}  // namespace
}  // namespace qh::testing
