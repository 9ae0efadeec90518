// Storing the tag list in the settings item: created once with its fixed fields, afterwards
// only its body changes, and reading it back gives the same tags.
#include "core/LoggedSteps.h"
#include "core/TagList.h"
#include "tests/core/InProcessAddinTest.h"

namespace qh::core::testing {
namespace {

using sim::outlook::AppointmentItem;

class WriteSettingsItem : public InProcessAddinTest {
 protected:
  void write(const std::string& body) { core::WriteSettingsItem(steps, body); }
  // The appointments stored in the calendar under the settings subject.
  std::vector<AppointmentItem*> settingsItems() {
    std::vector<AppointmentItem*> found;
    for (const auto& item : outlook.calendar().items())
      if (item->savedValue("Subject").toString() == "Quillhour_Settings1_")
        found.push_back(dynamic_cast<AppointmentItem*>(item.get()));
    return found;
  }

  LoggedSteps steps{"SettingsForm:Save_Click:"};
};

TEST_F(WriteSettingsItem, TheFirstSaveCreatesAHiddenAppointmentFarInTheFuture) {
  connect();
  write(JoinTagList({"Admin", "Support"}));
  ASSERT_EQ(settingsItems().size(), 1u);
  AppointmentItem& item = *settingsItems()[0];
  EXPECT_EQ(item.savedValue("Body").toString(), "Admin; Support");
  EXPECT_EQ(item.savedValue("Start").toDate(), Date::fromParts(2099, 1, 1, 0, 0, 0));
  EXPECT_FALSE(item.savedValue("ReminderSet").toBool());
  EXPECT_EQ(item.savedValue("MeetingStatus").toInt32(), 0);
  EXPECT_EQ(item.saveCount(), 1);
  EXPECT_TRUE(logMessages().empty());

  GlobalInitSettings();
  EXPECT_EQ(addinGlobals().TagArray.items, (std::vector<std::string>{"Admin", "Support"}));
}

TEST_F(WriteSettingsItem, ALaterSaveChangesOnlyTheBody) {
  Ref<AppointmentItem> existing = storeTagList("Admin");
  existing->seedValue("ReminderSet", true);
  existing->seedValue("Location", "kept");
  connect();
  existing->recordCalls();
  write("Admin; Travel");
  EXPECT_EQ(settingsItems().size(), 1u);
  EXPECT_EQ(existing->savedValue("Body").toString(), "Admin; Travel");
  EXPECT_EQ(existing->recordedCalls(),
            (std::vector<std::string>{"Put Body = \"Admin; Travel\"", "Call Close(0)"}));
  EXPECT_TRUE(existing->savedValue("ReminderSet").toBool());
}

TEST_F(WriteSettingsItem, EachFailingStepIsLoggedUnderTheCallersTagAndTheRestGoesOn) {
  Ref<AppointmentItem> existing = storeTagList("Admin");
  connect();
  existing->failOn("Body", "The item is read-only.");
  existing->recordCalls();
  write("Travel");
  EXPECT_EQ(logMessages(),
            std::vector<std::string>{"SettingsForm:Save_Click:The item is read-only."});
  EXPECT_EQ(existing->recordedCalls().back(), "Call Close(0)") << "still closed with saving";
}

TEST_F(WriteSettingsItem, WithoutAMailboxEveryStepIsLoggedAndNothingIsStored) {
  connect();
  outlook.nameSpace().failOn("GetDefaultFolder", "The store is offline.");
  outlook.application().failOn("CreateItem", "The store is offline.");
  write("Travel");
  const std::vector<std::string> log = logMessages();
  ASSERT_EQ(log.size(), 9u);  // folder, search, create, four fields, body, close
  EXPECT_EQ(log[0], "SettingsForm:Save_Click:The store is offline.");
  EXPECT_EQ(log[1], "SettingsForm:Save_Click:Object variable not set");
  EXPECT_EQ(log[2], "SettingsForm:Save_Click:The store is offline.");
  EXPECT_EQ(log.back(), "SettingsForm:Save_Click:Object variable not set");
  EXPECT_TRUE(settingsItems().empty());
}

}  // namespace
}  // namespace qh::core::testing
