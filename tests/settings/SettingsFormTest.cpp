// Editing the tag list in the settings dialog, before anything is stored.
#include "settings/SettingsForm.h"

#include <gtest/gtest.h>

#include "hosts/sim/system/SimSystem.h"

namespace qh::settings {
namespace {

using Tags = std::vector<std::string>;

class EventLog : public EventSink {
 public:
  void onEvent(std::string_view name, Args&) override { events.emplace_back(name); }
  Tags events;
};

class SettingsFormEditing : public ::testing::Test {
 protected:
  void add(const std::string& typed) {
    form->TagText.type(typed);
    form->AddButton.click();
  }
  void select(std::initializer_list<int> indexes) {
    for (int i : indexes) form->TagList.setSelected(i, true);
  }
  Tags list() const { return form->TagList.items(); }

  sim::SimSystem system;
  Ref<SettingsForm> form = makeRef<SettingsForm>(system);
};

TEST_F(SettingsFormEditing, StartsWithTheTagsTrimmedOfSpacesAndSortedWithoutRegardToCase) {
  form->InitTagList(StringArray::of({" gamma ", "Beta", "alpha", "\tTab "}));
  EXPECT_EQ(list(), (Tags{"\tTab", "alpha", "Beta", "gamma"})) << "only spaces are trimmed";
  form->InitTagList(StringArray::of({"Beta"}));
  EXPECT_EQ(list(), (Tags{"\tTab", "alpha", "Beta", "Beta", "gamma"})) << "adding never clears";
  EXPECT_THROW(form->InitTagList(StringArray{}), Error) << "an array never sized has no bounds";
}

TEST_F(SettingsFormEditing, EnterAddsTheTypedTagWithoutSemicolonsOrOuterSpaces) {
  form->TagText.type(" Project;X ");
  form->TagText.keyUp(SettingsForm::kEnterKey);
  EXPECT_EQ(list(), Tags{"ProjectX"});
  EXPECT_EQ(form->TagText.text(), "");
  EXPECT_TRUE(form->TagText.hasFocus()) << "ready for the next tag";

  form->TagText.type("Admin");
  form->TagText.keyUp('A');
  form->TagText.keyUp(9);  // Tab
  EXPECT_EQ(list(), Tags{"ProjectX"}) << "only Enter adds";
  EXPECT_EQ(form->TagText.text(), "Admin");
}

TEST_F(SettingsFormEditing, BlanksAndSemicolonsAloneAddNothingAndLeaveTheBoxEmpty) {
  add("   ");
  add(";;");
  add(" ; ; ");
  EXPECT_EQ(list(), Tags{});
  EXPECT_EQ(form->TagText.text(), "");
}

TEST_F(SettingsFormEditing, NewTagsLandInOrderAndDuplicatesAreKept) {
  form->InitTagList(StringArray::of({"Alpha", "Gamma"}));
  add("beta");
  add("Alpha");
  EXPECT_EQ(list(), (Tags{"Alpha", "Alpha", "beta", "Gamma"}));
  EXPECT_EQ(form->SettingString(), "Alpha; Alpha; beta; Gamma");
}

TEST_F(SettingsFormEditing, DeleteRemovesEverySelectedEntryAndNothingWithoutASelection) {
  form->InitTagList(StringArray::of({"A", "B", "C", "D", "E"}));
  form->DeleteButton.click();
  EXPECT_EQ(list(), (Tags{"A", "B", "C", "D", "E"}));
  select({1, 3});
  form->DeleteButton.click();
  EXPECT_EQ(list(), (Tags{"A", "C", "E"}));
  select({0, 1, 2});
  form->DeleteButton.click();
  EXPECT_EQ(list(), Tags{}) << "adjacent selections, up to the last entry";
}

TEST_F(SettingsFormEditing, TheSettingStringSkipsLeadingEmptyEntries) {
  EXPECT_EQ(form->SettingString(), "");
  form->InitTagList(StringArray::of({"Support", "", " ", "Admin"}));
  ASSERT_EQ(list(), (Tags{"", "", "Admin", "Support"}));
  EXPECT_EQ(form->SettingString(), "Admin; Support");
}

TEST_F(SettingsFormEditing, TheExplorerReachesTheListByName) {
  form->call("InitTagList", StringArray::of({"Support", "Admin"}));
  EXPECT_EQ(form->get("SettingString").toString(), "Admin; Support");
}

TEST_F(SettingsFormEditing, CancelHidesRaisesOnlyCancelAndUnloads) {
  EventLog sink;
  auto connection = form->advise(sink);
  form->show();
  add("Support");
  form->CancelButton.click();
  EXPECT_EQ(sink.events, Tags{"Cancel"});
  EXPECT_TRUE(form->unloaded());
  EXPECT_TRUE(system.forms().all().empty());
}

TEST_F(SettingsFormEditing, ClosingFromTheFrameRaisesNothing) {
  EventLog sink;
  auto connection = form->advise(sink);
  form->show();
  form->closeFromFrame();
  EXPECT_TRUE(sink.events.empty());
  EXPECT_TRUE(form->unloaded());
}

}  // namespace
}  // namespace qh::settings
