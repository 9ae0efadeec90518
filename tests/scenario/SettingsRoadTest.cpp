// The tag list's road: "Settings" on an explorer's bar, editing in the dialog, Save into the
// settings item, the window's tag box, and the list read back on the next connection.
#include "tests/scenario/TagSettingsTest.h"

namespace qh::testing {
namespace {

using Tags = std::vector<std::string>;
using SettingsRoad = TagSettingsTest;

const Tags kSeeded{"Gamma", "Alpha", "Zulu", "Kilo"};
const Tags kEdited{"Alpha", "beta", "Gamma", "ProjectX"};

// Edits the seeded list into kEdited: " Project;X " with Enter, "beta" with Add, then deletes
// "Kilo" and "Zulu" (not next to each other) in one go.
void editSeededList(Object& dialog) {
  typeTag(dialog, " Project;X ");
  EXPECT_EQ(dialog.getObject("TagText")->get("Text").toString(), "");
  typeTag(dialog, "beta", false);
  press(dialog, "AddButton");
  ASSERT_EQ(dialogList(dialog), (Tags{"Alpha", "beta", "Gamma", "Kilo", "ProjectX", "Zulu"}));
  selectEntry(dialog, 3);
  selectEntry(dialog, 5);
  press(dialog, "DeleteButton");
  ASSERT_EQ(dialogList(dialog), kEdited);
}

TEST_F(SettingsRoad, SavedListReachesTheItemThisWindowAndLaterReadersButNotOtherWindows) {
  auto item = seedSettings("Gamma; Alpha; Zulu; Kilo");
  auto first = outlook().openExplorer(calendar());
  auto second = outlook().openExplorer(calendar());
  startAddin();
  ASSERT_EQ(tagBoxEntries(*first), kSeeded) << "the bar lists the tags in the body's order";

  Ref<Object> dialog = openSettings(*first);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialogList(*dialog), (Tags{"Alpha", "Gamma", "Kilo", "Zulu"}));
  editSeededList(*dialog);
  press(*dialog, "Save");

  EXPECT_FALSE(system().forms().find(kSettingsCaption)) << "a saved dialog is unloaded";
  ASSERT_EQ(settingsItems().size(), 1u);
  EXPECT_EQ(item->savedValue("Body").toString(), "Alpha; beta; Gamma; ProjectX");
  EXPECT_TRUE(item->saved());
  EXPECT_EQ(tagBoxEntries(*first), kEdited);
  EXPECT_EQ(tagBoxEntries(*second), kSeeded) << "other windows keep their old lists";

  auto third = outlook().openExplorer(calendar());
  EXPECT_EQ(tagBoxEntries(*third), kEdited) << "the add-in's tag list is the saved one now";
  EXPECT_TRUE(errorLines().empty()) << errorLines().front();
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(SettingsRoad, ReconnectingReadsTheStoredListNotTheOneInMemory) {
  seedSettings("Gamma; Alpha; Zulu; Kilo");
  auto first = outlook().openExplorer(calendar());
  auto second = outlook().openExplorer(calendar());
  startAddin();
  Ref<Object> dialog = openSettings(*first);
  ASSERT_TRUE(dialog);
  editSeededList(*dialog);
  press(*dialog, "Save");

  // A later save whose write fails: the window adopts the list, the mailbox keeps the old one.
  dialog = openSettings(*second);
  ASSERT_TRUE(dialog);
  typeTag(*dialog, "Unsaved");
  settingsItems().front()->failOn("Body", "The item is read-only.", sim::FaultMode::Once,
                                  [](CallKind kind, const Args&) { return kind == CallKind::Put; });
  press(*dialog, "Save");
  EXPECT_EQ(errorLines(), Tags{"SettingsForm:Save_Click:The item is read-only."});
  EXPECT_EQ(tagBoxEntries(*second), (Tags{"Alpha", "beta", "Gamma", "ProjectX", "Unsaved"}));

  ASSERT_TRUE(host().loader().unload("Quillhour.Connect"));
  EXPECT_FALSE(quillhourBar(*first)) << "unloading removes the bars";
  host().start();
  EXPECT_EQ(tagBoxEntries(*first), kEdited);
  EXPECT_EQ(tagBoxEntries(*second), kEdited);
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(SettingsRoad, FirstSaveCreatesTheItemAndLaterSavesChangeOnlyItsBody) {
  auto explorer = outlook().openExplorer(calendar());
  startAddin();
  EXPECT_EQ(tagBoxEntries(*explorer), Tags{}) << "no settings item: an empty tag list";

  Ref<Object> dialog = openSettings(*explorer);
  ASSERT_TRUE(dialog);
  typeTag(*dialog, "Support");
  typeTag(*dialog, "Admin");
  press(*dialog, "Save");
  ASSERT_EQ(settingsItems().size(), 1u);
  Ref<Item> item = settingsItems().front();
  EXPECT_EQ(item->savedValue("Body").toString(), "Admin; Support");
  EXPECT_EQ(item->savedValue("Start").toDate(), Date::fromParts(2099, 1, 1));
  EXPECT_FALSE(item->savedValue("ReminderSet").toBool());
  EXPECT_EQ(item->savedValue("MeetingStatus").toInt32(), 0);
  EXPECT_EQ(item->saveCount(), 1);
  EXPECT_EQ(tagBoxEntries(*explorer), (Tags{"Admin", "Support"}));

  item->recordCalls();
  dialog = openSettings(*explorer);
  ASSERT_TRUE(dialog);
  selectEntry(*dialog, 0);
  press(*dialog, "DeleteButton");
  press(*dialog, "Save");
  Tags writes = item->recordedCalls();
  std::erase_if(writes, [](const std::string& call) { return call.starts_with("Get "); });
  EXPECT_EQ(writes, (Tags{"Put Body = \"Support\"", "Call Close(0)"}));
  EXPECT_EQ(settingsItems().size(), 1u);
  EXPECT_EQ(tagBoxEntries(*explorer), Tags{"Support"});
}

TEST_F(SettingsRoad, SavingAnEmptyListStoresAnEmptyBodyAndEmptiesTheTagBox) {
  auto item = seedSettings("Admin; Admin");
  auto explorer = outlook().openExplorer(calendar());
  startAddin();
  Ref<Object> dialog = openSettings(*explorer);
  ASSERT_TRUE(dialog);
  ASSERT_EQ(dialogList(*dialog), (Tags{"Admin", "Admin"}));
  selectEntry(*dialog, 0);
  selectEntry(*dialog, 1);
  press(*dialog, "DeleteButton");
  press(*dialog, "Save");
  EXPECT_EQ(item->savedValue("Body").toString(), "");
  EXPECT_EQ(tagBoxEntries(*explorer), Tags{});
  EXPECT_EQ(tagBoxEntries(*outlook().openExplorer(calendar())), Tags{});
}

TEST_F(SettingsRoad, CancellingLogsItAndChangesNothing) {
  auto item = seedSettings("Admin");
  auto explorer = outlook().openExplorer(calendar());
  startAddin();
  Ref<Object> dialog = openSettings(*explorer);
  ASSERT_TRUE(dialog);
  typeTag(*dialog, "Support");
  press(*dialog, "CancelButton");

  EXPECT_EQ(errorLines(), Tags{"SettingsFormItem_Cancel: Cancelled"});
  EXPECT_EQ(item->saveCount(), 0);
  EXPECT_EQ(item->savedValue("Body").toString(), "Admin");
  EXPECT_EQ(tagBoxEntries(*explorer), Tags{"Admin"});
  EXPECT_FALSE(system().forms().find(kSettingsCaption));
}

TEST_F(SettingsRoad, AReplacedDialogStillSavesButOnlyTheNewestReachesTheWindow) {
  auto item = seedSettings("Admin");
  auto explorer = outlook().openExplorer(calendar());
  startAddin();
  Ref<Object> older = openSettings(*explorer);
  Ref<Object> newer = openSettings(*explorer);
  ASSERT_TRUE(older && newer);
  ASSERT_NE(older.get(), newer.get()) << "each click opens a dialog of its own";

  typeTag(*older, "Older");
  press(*older, "Save");
  EXPECT_EQ(item->savedValue("Body").toString(), "Admin; Older");
  EXPECT_EQ(tagBoxEntries(*explorer), Tags{"Admin"});

  typeTag(*newer, "Newer");
  press(*newer, "Save");
  EXPECT_EQ(item->savedValue("Body").toString(), "Admin; Newer");
  EXPECT_EQ(tagBoxEntries(*explorer), (Tags{"Admin", "Newer"}));
}

TEST_F(SettingsRoad, ADialogOutlivingItsWindowStillSavesAndNobodyIsTold) {
  auto item = seedSettings("Admin");
  auto explorer = outlook().openExplorer(calendar());
  startAddin();
  Ref<Object> dialog = openSettings(*explorer);
  ASSERT_TRUE(dialog);
  typeTag(*dialog, "Support");
  outlook().closeExplorer(*explorer);
  press(*dialog, "Save");
  EXPECT_EQ(item->savedValue("Body").toString(), "Admin; Support");
  EXPECT_TRUE(errorLines().empty()) << errorLines().front();
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
  EXPECT_EQ(tagBoxEntries(*outlook().openExplorer(calendar())), Tags{"Admin"})
      << "the add-in's list changes only through the window that opened the dialog";
}

TEST_F(SettingsRoad, TheListSortsLettersWithAccentsAsTheUsersLocaleDoes) {
  seedSettings("zeta; Éclair; apple");
  auto explorer = outlook().openExplorer(calendar());
  startAddin();
  Ref<Object> dialog = openSettings(*explorer);
  ASSERT_TRUE(dialog);
  typeTag(*dialog, "Ärger");
  typeTag(*dialog, "éclair");
  typeTag(*dialog, "Zander");
  // "É" and "é" are one letter in two cases: the later one goes after the earlier.
  EXPECT_EQ(dialogList(*dialog), (Tags{"apple", "Ärger", "Éclair", "éclair", "Zander", "zeta"}));
}

}  // namespace
}  // namespace qh::testing
