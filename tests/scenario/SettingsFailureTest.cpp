// Failures on the settings dialog's road: each failing step is logged and the rest goes on,
// and the window takes over the edited list even when storing it failed.
#include "tests/scenario/TagSettingsTest.h"

namespace qh::testing {
namespace {

using Tags = std::vector<std::string>;
using SettingsFailure = TagSettingsTest;

constexpr const char* kSaveTag = "SettingsForm:Save_Click:";

// Opens the settings dialog on a started add-in, adds one tag and leaves the log empty.
class SettingsSaving : public TagSettingsTest {
 protected:
  void openAndAdd(const std::string& tag) {
    explorer = outlook().openExplorer(calendar());
    startAddin();
    dialog = openSettings(*explorer);
    ASSERT_TRUE(dialog);
    typeTag(*dialog, tag);
    clearLog(system());
  }

  // What the test still holds goes before the host (and the module that made the dialog).
  void TearDown() override {
    dialog.reset();
    explorer.reset();
    TagSettingsTest::TearDown();
  }

  Ref<Explorer> explorer;
  Ref<Object> dialog;
};

TEST_F(SettingsSaving, AnUnreachableCalendarCountsAsNoItemSoASecondOneIsCreated) {
  auto stored = seedSettings("Admin");
  openAndAdd("Support");
  outlook().nameSpace().failOn("GetDefaultFolder", "The folder is offline.", sim::FaultMode::Once);
  press(*dialog, "Save");

  EXPECT_EQ(errorLines(),
            (Tags{kSaveTag + std::string("The folder is offline."), kSaveTag + kNotSet}));
  ASSERT_EQ(settingsItems().size(), 2u);
  EXPECT_EQ(stored->savedValue("Body").toString(), "Admin");
  EXPECT_EQ(settingsItems().back()->savedValue("Body").toString(), "Admin; Support");
  EXPECT_EQ(tagBoxEntries(*explorer), (Tags{"Admin", "Support"}));
  EXPECT_TRUE(outlook().assistant().alerts().empty()) << "the list was stored";
}

TEST_F(SettingsSaving, AFailedFindAlsoCreatesANewItem) {
  seedSettings("Admin");
  openAndAdd("Support");
  calendar().failOn("Items", "The items cannot be listed.", sim::FaultMode::Once);
  press(*dialog, "Save");

  EXPECT_EQ(errorLines(), Tags{kSaveTag + std::string("The items cannot be listed.")});
  ASSERT_EQ(settingsItems().size(), 2u);
  EXPECT_EQ(settingsItems().back()->savedValue("Body").toString(), "Admin; Support");
}

TEST_F(SettingsSaving, AnItemThatCannotBeCreatedLogsEveryStepYetTheWindowAdoptsTheList) {
  openAndAdd("Support");
  outlook().application().failOn("CreateItem", "Out of memory.", sim::FaultMode::Once);
  press(*dialog, "Save");

  EXPECT_EQ(errorLines(),
            (Tags{kSaveTag + std::string("Out of memory."), kSaveTag + kNotSet, kSaveTag + kNotSet,
                  kSaveTag + kNotSet, kSaveTag + kNotSet, kSaveTag + kNotSet, kSaveTag + kNotSet}));
  EXPECT_TRUE(settingsItems().empty());
  EXPECT_EQ(tagBoxEntries(*explorer), Tags{"Support"});
  EXPECT_FALSE(system().forms().find(kSettingsCaption)) << "the dialog is unloaded all the same";
  // The user is told that the list was not stored, and why.
  ASSERT_EQ(outlook().assistant().alerts().size(), 1u);
  EXPECT_EQ(outlook().assistant().alerts()[0].title, "Quillhour");
  EXPECT_EQ(outlook().assistant().alerts()[0].text,
            "The tag list could not be stored (Out of memory.). The edited list is used only "
            "until Outlook closes.");
}

TEST_F(SettingsSaving, AFailedSaveIsAlertedAndTheStoredListStays) {
  auto stored = seedSettings("Admin");
  openAndAdd("Support");
  stored->failOn("Close", "The item is read-only.");
  press(*dialog, "Save");

  EXPECT_EQ(errorLines(), Tags{kSaveTag + std::string("The item is read-only.")});
  EXPECT_EQ(stored->savedValue("Body").toString(), "Admin");
  ASSERT_EQ(outlook().assistant().alerts().size(), 1u);
  EXPECT_EQ(outlook().assistant().alerts()[0].text,
            "The tag list could not be stored (The item is read-only.). The edited list is used "
            "only until Outlook closes.");
  EXPECT_EQ(tagBoxEntries(*explorer), (Tags{"Admin", "Support"}));
}

TEST_F(SettingsSaving, ATagBoxThatCannotBeRefilledIsLoggedAndTheListIsStillAdopted) {
  seedSettings("Admin");
  openAndAdd("Support");
  barTagBox(*explorer)->failOn("Clear", "The control is busy.");
  press(*dialog, "Save");

  EXPECT_EQ(errorLines(), Tags{"SettingsFormItem_Save:The control is busy."});
  EXPECT_EQ(settingsItems().front()->savedValue("Body").toString(), "Admin; Support");
  EXPECT_EQ(tagBoxEntries(*outlook().openExplorer(calendar())), (Tags{"Admin", "Support"}));
}

TEST_F(SettingsFailure, AnUnreadableListAtConnectionLogsTheSettingsClickButStillShowsTheDialog) {
  seedSettings("Admin")->failOn("Body", "The body cannot be read.", sim::FaultMode::Always,
                                [](CallKind kind, const Args&) { return kind == CallKind::Get; });
  auto explorer = outlook().openExplorer(calendar());
  startAddin();
  const Tags atConnection = errorLines();
  ASSERT_FALSE(atConnection.empty());
  EXPECT_EQ(atConnection.front(), "GlobalInitSettings:The body cannot be read.");

  clearLog(system());
  Ref<Object> dialog = openSettings(*explorer);
  EXPECT_EQ(errorLines(), Tags{"SettingsButton_Click:Subscript out of range"});
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->get("Visible").toBool());
  EXPECT_EQ(dialogList(*dialog), Tags{});
}

}  // namespace
}  // namespace qh::testing
