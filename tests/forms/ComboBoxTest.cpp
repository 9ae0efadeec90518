#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ErrorCodes.h"
#include "forms/ComboBox.h"

namespace qh::forms {
namespace {

using Events = std::vector<std::string>;

struct ComboBoxTest : ::testing::Test {
  Ref<ComboBox> box = makeRef<ComboBox>("TagComboBox", Rect{720, 0, 3000, 315}, 0);
  Events events;
  void SetUp() override {
    for (const char* tag : {"Support", "Admin", "Project X"}) box->call("AddItem", tag);
    box->onClick([this] { events.push_back("Click " + box->text()); });
    box->onChange([this] { events.push_back("Change " + box->text()); });
  }
};

TEST_F(ComboBoxTest, EntriesKeepTheirOrderAndCountFromZero) {
  EXPECT_EQ(box->get("ListCount").toInt32(), 3);
  EXPECT_EQ(box->get("List", 0).toString(), "Support");
  EXPECT_EQ(box->get("List", 2).toString(), "Project X");
  EXPECT_EQ(box->get("ListIndex").toInt32(), -1);
  EXPECT_EQ(fakes::errorCode([&] { box->get("List", 3); }), fakes::kInvalidCall);
}

TEST_F(ComboBoxTest, ChoosingAnEntryClicksWithoutChange) {
  box->choose(1);
  EXPECT_EQ(box->listIndex(), 1);
  EXPECT_EQ(box->get("Text").toString(), "Admin");
  box->call("Choose", 0);
  EXPECT_EQ(box->listIndex(), 0);
  EXPECT_EQ(events, (Events{"Click Admin", "Click Support"}));
  EXPECT_EQ(fakes::errorCode([&] { box->choose(3); }), fakes::kInvalidCall);
  EXPECT_EQ(box->listIndex(), 0);
}

TEST_F(ComboBoxTest, TypingChangesTheTextWithoutChoosingAnEntry) {
  box->choose(0);
  box->type("Admin");  // equal to an entry, yet typed, not chosen
  EXPECT_EQ(box->listIndex(), -1);
  EXPECT_EQ(box->text(), "Admin");
  box->call("Type", "Admin");
  EXPECT_EQ(events, (Events{"Click Support", "Change Admin"}));
}

TEST_F(ComboBoxTest, TextFromCodeIsTheEditFieldAlone) {
  box->choose(2);
  box->put("Text", Variant("Admin; Support"));
  EXPECT_EQ(box->listIndex(), -1);
  EXPECT_EQ(box->get("").toString(), "Admin; Support");
  EXPECT_EQ(events, (Events{"Click Project X", "Change Admin; Support"}));
}

TEST_F(ComboBoxTest, ListIndexFromCodeFillsTheTextAndClicks) {
  box->put("ListIndex", Variant(1));
  EXPECT_EQ(box->text(), "Admin");
  box->put("ListIndex", Variant(1));
  box->put("ListIndex", Variant(-1));
  EXPECT_EQ(box->text(), "");
  EXPECT_EQ(events, (Events{"Change Admin", "Click Admin", "Click Admin", "Change "}));
  EXPECT_EQ(fakes::errorCode([&] { box->put("ListIndex", Variant(3)); }), fakes::kInvalidValue);
  EXPECT_EQ(fakes::errorCode([&] { box->put("ListIndex", Variant(-2)); }), fakes::kInvalidValue);
  EXPECT_EQ(box->listIndex(), -1);
}

TEST_F(ComboBoxTest, ClearEmptiesTheListAndTheEditField) {
  box->choose(1);
  box->call("Clear");
  EXPECT_EQ(box->listCount(), 0);
  EXPECT_EQ(box->listIndex(), -1);
  EXPECT_EQ(box->text(), "");
  box->addItem("Admin");
  EXPECT_EQ(box->items(), std::vector<std::string>{"Admin"});
}

TEST_F(ComboBoxTest, ADisabledBoxIgnoresTheUser) {
  box->setEnabled(false);
  box->choose(0);
  box->type("x");
  EXPECT_EQ(box->listIndex(), -1);
  EXPECT_EQ(box->text(), "");
  EXPECT_TRUE(events.empty());
}

}  // namespace
}  // namespace qh::forms
