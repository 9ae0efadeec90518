// What the explorer's "Tag:" box shows for the selected Times, and what it keeps when reading
// the selection fails.
#include "tests/support/ExplorerHostTest.h"

namespace qh::testing {
namespace {

using Messages = std::vector<std::string>;
using Items = std::vector<Ref<sim::outlook::Item>>;

class Selection : public ExplorerHostTest {
 protected:
  void SetUp() override {
    ExplorerHostTest::SetUp();
    storeTagList("Support; Admin");
    support = addTime("Review", "Support");
    admin = addTime("Planning", "Admin");
    untagged = addTime("Lunch");
    explorer = startOnCalendar();
  }

  std::string boxText() { return tagBox(*explorer)->text(); }
  // The user types into the box; a typed text is no choice, so no Time changes.
  void typeMarker() { tagBox(*explorer)->typeText("typed"); }

  Time support, admin, untagged;
  Ref<Explorer> explorer;
};

TEST_F(Selection, BoxShowsTheTagOfOneTimeAndMultipleForSeveral) {
  outlook().select(*explorer, {support});
  EXPECT_EQ(boxText(), "Support");
  outlook().select(*explorer, {addTime("Call", "Support, Travel")});
  EXPECT_EQ(boxText(), "Support, Travel") << "the whole categories text";
  outlook().select(*explorer, {support, addTime("Retro", "Support")});
  EXPECT_EQ(boxText(), "(Multiple)") << "even when both carry the same tag";
  tagBox(*explorer)->put("Visible", false);
  outlook().select(*explorer, {});
  EXPECT_EQ(boxText(), "");
  EXPECT_TRUE(tagBox(*explorer)->visible()) << "every evaluated selection shows the box";
  EXPECT_TRUE(messagesTagged("cExplorer:").empty());
}

TEST_F(Selection, SameCountAndFirstItemLeaveTheBoxAsItWas) {
  outlook().select(*explorer, {support});
  typeMarker();
  outlook().select(*explorer, {support});
  EXPECT_EQ(boxText(), "typed");

  outlook().select(*explorer, {admin, support});
  typeMarker();
  outlook().select(*explorer, {admin, untagged});
  EXPECT_EQ(boxText(), "typed");
  outlook().select(*explorer, {support, admin});
  EXPECT_EQ(boxText(), "(Multiple)") << "another first item";
  typeMarker();
  outlook().select(*explorer, {support, admin, untagged});
  EXPECT_EQ(boxText(), "(Multiple)") << "another count";
}

TEST_F(Selection, OutboxSelectionIsClearedUnreadAndPickingATagChangesNothing) {
  Folder& outbox = outlook().folder(sim::outlook::kFolderOutbox);
  Ref<sim::outlook::Item> mail = outlook().application().createItem(sim::outlook::kMailItem);
  mail->seedValue("Categories", "Support");
  outbox.file(*mail);
  mail->failOn("EntryID", "not to be read");
  mail->failOn("Categories", "not to be read");
  outlook().select(*explorer, {admin});

  outlook().switchFolder(*explorer, outbox);  // Outlook selects the first mail
  ASSERT_EQ(explorer->selection().size(), 1u);
  EXPECT_FALSE(barShown(*explorer));
  EXPECT_EQ(boxText(), "");
  EXPECT_EQ(logMessages().back(),
            "Explorer OnSelectionChange: Clearing Selection in Outbox folder");

  // Office keeps a hidden bar out of the user's reach; show it to prove the wrapper itself
  // refuses as well.
  quillhourBar(*explorer)->put("Visible", true);
  tagBox(*explorer)->choose("Admin");
  EXPECT_EQ(mail->value("Categories").toString(), "Support");
  EXPECT_EQ(mail->saveCount(), 0);
  EXPECT_TRUE(messagesTagged("cExplorer:").empty());
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(Selection, AFailedOutboxComparisonIsLoggedAndClearsTheSelection) {
  outlook().nameSpace().failOn(
      "GetDefaultFolder", "The store is offline.", sim::FaultMode::Always,
      [](CallKind, const Args& args) { return !args.empty() && args[0].toInt32() == 4; });
  outlook().select(*explorer, {support, untagged});
  EXPECT_EQ(boxText(), "");
  EXPECT_EQ(messagesTagged("cExplorer:"),
            Messages{"cExplorer:OnSelectionChangeThe store is offline."});
  EXPECT_EQ(logMessages().back(),
            "Explorer OnSelectionChange: Clearing Selection in Outbox folder");

  tagBox(*explorer)->choose("Admin");
  EXPECT_EQ(untagged->value("Categories").toString(), "");
  EXPECT_EQ(untagged->saveCount(), 0);
}

TEST_F(Selection, AnUnreadableSelectionKeepsTheOneHeldBefore) {
  outlook().select(*explorer, {support, untagged});
  typeMarker();
  explorer->failOn("Selection", "Selection is busy");
  outlook().select(*explorer, {admin});
  EXPECT_EQ(messagesTagged("cExplorer:"), Messages{"cExplorer:OnSelectionChangeSelection is busy"});
  EXPECT_EQ(boxText(), "typed") << "the held selection looks unchanged";

  tagBox(*explorer)->choose("Admin");
  EXPECT_EQ(support->savedValue("Categories").toString(), "Admin");
  EXPECT_EQ(untagged->savedValue("Categories").toString(), "Admin");
  EXPECT_EQ(admin->saveCount(), 0);
}

TEST_F(Selection, AnUnreadablePreviousFirstItemSkipsTheEarlyReturn) {
  outlook().select(*explorer, {support});
  typeMarker();
  support->failOn("EntryID", "Item is busy", sim::FaultMode::Once);
  outlook().select(*explorer, {support});
  EXPECT_EQ(messagesTagged("cExplorer:"), Messages{"cExplorer:OnSelectionChangeItem is busy"});
  EXPECT_EQ(boxText(), "Support");
}

TEST_F(Selection, APreviousSelectionPast32767ItemsOverflowsAndIsShownAfresh) {
  const Items many(32768, support);
  outlook().select(*explorer, many);
  EXPECT_EQ(boxText(), "(Multiple)");
  EXPECT_TRUE(messagesTagged("cExplorer:").empty());
  typeMarker();
  outlook().select(*explorer, many);
  EXPECT_EQ(messagesTagged("cExplorer:"), Messages{"cExplorer:OnSelectionChangeOverflow"});
  EXPECT_EQ(boxText(), "(Multiple)");
}

}  // namespace
}  // namespace qh::testing
