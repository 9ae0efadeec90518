#include "hosts/sim/office/CommandBarComboBox.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "OfficeTestSupport.h"
#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/CommandBarControls.h"
#include "hosts/sim/office/CommandBars.h"

namespace qh::sim {
namespace {

using testing::EventRecorder;
using testing::failureOf;
using testing::kInvalidArgument;

// A box "Tag:" on a shown bar, listing Billable, Internal and Travel.
class CommandBarComboBoxTest : public ::testing::Test {
 protected:
  CommandBarComboBoxTest() {
    bar->put("Visible", true);
    combo = bar->getObject("Controls")->call("Add", 4).toObject();
    combo->put("Caption", "Tag:");
    for (const char* tag : {"Billable", "Internal", "Travel"}) combo->call("AddItem", tag);
    box = bars->find("Quillhour")->controls().comboBox("Tag:");
  }
  // What the Change handler saw: the box's Text and ListIndex at that moment.
  std::vector<std::string> seenOnChange;
  EventRecorder onChange{[this](Args& args) {
    Ref<Object> ctrl = args.at(0).toObject();
    seenOnChange.push_back(ctrl->get("Text").toString() + " #" + ctrl->get("ListIndex").toString());
  }};

  Ref<CommandBars> bars = makeCommandBars();
  Ref<Object> bar = bars->call("Add", "Quillhour").toObject();
  Ref<Object> combo;
  Ref<CommandBarComboBox> box;
};

TEST_F(CommandBarComboBoxTest, ListPositionsCountFromOneAndZeroMeansNoEntry) {
  EXPECT_EQ(combo->get("ListCount").toInt32(), 3);
  EXPECT_EQ(combo->get("List", 1).toString(), "Billable");
  EXPECT_EQ(combo->get("List", 3).toString(), "Travel");
  EXPECT_EQ(combo->get("ListIndex").toInt32(), 0);
  EXPECT_EQ(failureOf([&] { combo->get("List", 0); }), kInvalidArgument);
  EXPECT_EQ(failureOf([&] { combo->get("List", 4); }), kInvalidArgument);
}

TEST_F(CommandBarComboBoxTest, AddItemAtAPositionKeepsTheChosenEntryChosen) {
  combo->put("ListIndex", 2);
  combo->call("AddItem", "Admin", 1);

  EXPECT_EQ(box->entries(), (std::vector<std::string>{"Admin", "Billable", "Internal", "Travel"}));
  EXPECT_EQ(combo->get("ListIndex").toInt32(), 3);
  EXPECT_EQ(combo->get("Text").toString(), "Internal");
  EXPECT_EQ(failureOf([&] { combo->call("AddItem", "Late", 6); }), kInvalidArgument);
}

TEST_F(CommandBarComboBoxTest, WritesByAutomationSelectOnlyThroughListIndexAndRaiseNothing) {
  auto connection = combo->advise(onChange);

  combo->put("Text", "Travel");
  EXPECT_EQ(combo->get("ListIndex").toInt32(), 0) << "an equal text is not a choice";
  combo->put("ListIndex", 1);
  combo->put("Text", "Billable");
  EXPECT_EQ(combo->get("ListIndex").toInt32(), 0) << "a written text undoes the choice";

  combo->put("ListIndex", 2);
  EXPECT_EQ(combo->get("Text").toString(), "Internal");
  combo->put("ListIndex", 0);
  EXPECT_EQ(combo->get("Text").toString(), "");
  EXPECT_EQ(failureOf([&] { combo->put("ListIndex", 4); }), kInvalidArgument);

  EXPECT_TRUE(onChange.events.empty());
}

TEST_F(CommandBarComboBoxTest, ChoosingSetsTextAndListIndexBeforeChangeIsRaised) {
  auto connection = combo->advise(onChange);

  box->choose("Travel");
  box->choose(1);

  EXPECT_EQ(seenOnChange, (std::vector<std::string>{"Travel #3", "Billable #1"}));
}

TEST_F(CommandBarComboBoxTest, TypingSetsTheTextWithNoEntryChosen) {
  auto connection = combo->advise(onChange);
  box->choose("Internal");

  box->typeText("Travel");
  box->typeText("");

  EXPECT_EQ(seenOnChange, (std::vector<std::string>{"Internal #2", "Travel #0", " #0"}));
}

TEST_F(CommandBarComboBoxTest, ClearEmptiesTheListButNotTheEditField) {
  box->choose("Travel");
  combo->call("Clear");

  EXPECT_EQ(combo->get("ListCount").toInt32(), 0);
  EXPECT_EQ(combo->get("ListIndex").toInt32(), 0);
  EXPECT_EQ(combo->get("Text").toString(), "Travel");
}

TEST_F(CommandBarComboBoxTest, AUserChoosesOnlyWhatTheListOffersOnAShownBox) {
  EXPECT_THROW(box->choose("Holiday"), std::logic_error);
  EXPECT_THROW(box->choose(4), std::logic_error);
  combo->put("Visible", false);
  EXPECT_THROW(box->choose(1), std::logic_error);
  EXPECT_THROW(box->typeText("x"), std::logic_error);
  EXPECT_EQ(box->listIndex(), 0);
}

TEST_F(CommandBarComboBoxTest, AFailingChangeHandlerIsRecordedNotPassedOn) {
  EventRecorder failing([](Args&) { throw Error(ErrorCode::Overflow); });
  auto connection = combo->advise(failing);

  EXPECT_NO_THROW(box->choose("Billable"));

  EXPECT_EQ(bars->failures().lines(), std::vector<std::string>{"Change: Overflow"});
  EXPECT_EQ(box->text(), "Billable");
}

}  // namespace
}  // namespace qh::sim
