// The settings dialog's layout, which the Windows binding draws from.
#include <gtest/gtest.h>

#include "hosts/sim/system/SimSystem.h"
#include "settings/SettingsForm.h"

namespace qh::settings {
namespace {

struct Placed {
  const char* name;
  const char* kind;
  forms::Rect rect;
  int tabIndex;
};

TEST(SettingsFormLayout, PlacesEveryControlWhereTheDialogShowsIt) {
  sim::SimSystem system;
  auto form = makeRef<SettingsForm>(system);
  EXPECT_EQ(form->caption(), "Quillhour Settings");
  EXPECT_EQ(form->clientWidth(), 3615);
  EXPECT_EQ(form->clientHeight(), 6375);

  const Placed expected[] = {
      {"Save", "CommandButton", {1920, 5760, 1335, 375}, 0},
      {"CancelButton", "CommandButton", {240, 5760, 1335, 375}, 1},
      {"TagList", "ListBox", {240, 360, 3135, 3960}, 2},
      {"TagText", "TextBox", {240, 4560, 3135, 315}, 3},
      {"AddButton", "CommandButton", {1920, 5040, 975, 375}, 4},
      {"DeleteButton", "CommandButton", {600, 5040, 975, 375}, 5},
      {"Label1", "Label", {240, 120, 3135, 255}, 6},
  };
  ASSERT_EQ(form->controls().size(), std::size(expected));
  for (const Placed& p : expected) {
    const forms::Control* c = form->control(p.name);
    ASSERT_NE(c, nullptr) << p.name;
    EXPECT_STREQ(c->kind(), p.kind) << p.name;
    EXPECT_EQ(c->rect().left, p.rect.left) << p.name;
    EXPECT_EQ(c->rect().top, p.rect.top) << p.name;
    EXPECT_EQ(c->rect().width, p.rect.width) << p.name;
    EXPECT_EQ(c->rect().height, p.rect.height) << p.name;
    EXPECT_EQ(c->tabIndex(), p.tabIndex) << p.name;
  }
  EXPECT_EQ(form->Save.caption(), "Save");
  EXPECT_EQ(form->CancelButton.caption(), "Cancel");
  EXPECT_EQ(form->AddButton.caption(), "Add");
  EXPECT_EQ(form->DeleteButton.caption(), "Delete");
  EXPECT_EQ(form->Label1.caption(), "Existing tags:");
  EXPECT_TRUE(form->TagList.sorted());
}

}  // namespace
}  // namespace qh::settings
