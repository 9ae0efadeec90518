#include "hosts/sim/office/CommandBarControls.h"

#include <gtest/gtest.h>

#include "OfficeTestSupport.h"
#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/CommandBarButton.h"
#include "hosts/sim/office/CommandBarComboBox.h"
#include "hosts/sim/office/CommandBars.h"

namespace qh::sim {
namespace {

using testing::failureOf;
using testing::kDisconnected;
using testing::kInvalidArgument;

class CommandBarControlsTest : public ::testing::Test {
 protected:
  // Adds a control of the type and names it.
  Ref<Object> addControl(int type, const char* caption) {
    Ref<Object> control = controls->call("Add", type).toObject();
    control->put("Caption", caption);
    return control;
  }
  std::vector<std::string> captions() const {
    std::vector<std::string> out;
    for (const auto& control : controls->all()) out.push_back(control->caption());
    return out;
  }

  Ref<CommandBars> bars = makeCommandBars();
  Ref<Object> bar = bars->call("Add", "Quillhour").toObject();
  Ref<CommandBarControls> controls = Ref<CommandBarControls>(&bars->find("Quillhour")->controls());
};

TEST_F(CommandBarControlsTest, AddMakesAButtonOrAComboBoxByType) {
  Ref<Object> button = controls->call("Add", 1).toObject();
  Ref<Object> combo = controls->call("Add", 4, 1, "param", Variant::missing(), true).toObject();
  Ref<Object> byDefault = controls->call("Add").toObject();

  EXPECT_NE(dynamic_cast<CommandBarButton*>(button.get()), nullptr);
  EXPECT_NE(dynamic_cast<CommandBarComboBox*>(combo.get()), nullptr);
  EXPECT_NE(dynamic_cast<CommandBarButton*>(byDefault.get()), nullptr);
  EXPECT_EQ(combo->get("Type").toInt32(), 4);
  EXPECT_EQ(combo->get("Parameter").toString(), "param");
  EXPECT_TRUE(dynamic_cast<CommandBarControl&>(*combo).temporary());
  EXPECT_FALSE(dynamic_cast<CommandBarControl&>(*button).temporary());

  EXPECT_EQ(failureOf([&] { controls->call("Add", 10); }), kInvalidArgument)
      << "pop-ups and other kinds are not simulated";
  EXPECT_EQ(controls->get("Count").toInt32(), 3);
}

TEST_F(CommandBarControlsTest, BeforeGivesTheNewControlItsPlace) {
  addControl(1, "New Time");
  addControl(1, "Settings");
  Ref<Object> first =
      controls->call("Add", 4, Variant::missing(), Variant::missing(), 1).toObject();
  first->put("Caption", "Tag:");
  Ref<Object> middle =
      controls->call("Add", 1, Variant::missing(), Variant::missing(), 3).toObject();
  middle->put("Caption", "Export Times");

  EXPECT_EQ(captions(), (std::vector<std::string>{"Tag:", "New Time", "Export Times", "Settings"}));
  EXPECT_EQ(middle->get("Index").toInt32(), 3);
  EXPECT_EQ(failureOf([&] { controls->call("Add", 1, Variant::missing(), Variant::missing(), 6); }),
            kInvalidArgument);
}

TEST_F(CommandBarControlsTest, ItemFindsAControlByCaptionOrPosition) {
  Ref<Object> newTime = addControl(1, "New Time");
  Ref<Object> tag = addControl(4, "Tag:");

  EXPECT_TRUE(sameObject(controls->getObject("Item", "Tag:").get(), tag.get()));
  EXPECT_TRUE(sameObject(controls->getObject("", "new time").get(), newTime.get()));
  EXPECT_TRUE(sameObject(controls->getObject("Item", 2).get(), tag.get()));
  EXPECT_TRUE(sameObject(tag->getObject("Parent").get(), bar.get()));
  EXPECT_EQ(failureOf([&] { controls->get("Item", "About Quillhour"); }), kInvalidArgument);
  EXPECT_EQ(failureOf([&] { controls->get("Item", 3); }), kInvalidArgument);

  EXPECT_TRUE(controls->comboBox("Tag:"));
  EXPECT_FALSE(controls->button("Tag:")) << "the host look-up checks the kind";
}

TEST_F(CommandBarControlsTest, DeleteTakesTheControlOffItsBar) {
  addControl(1, "New Time");
  Ref<Object> tag = addControl(4, "Tag:");
  addControl(1, "Export Times");

  tag->call("Delete", Variant::missing());

  EXPECT_EQ(captions(), (std::vector<std::string>{"New Time", "Export Times"}));
  EXPECT_EQ(failureOf([&] { tag->get("Text"); }), kDisconnected);
  EXPECT_EQ(failureOf([&] { tag->call("Delete"); }), kDisconnected);
}

}  // namespace
}  // namespace qh::sim
