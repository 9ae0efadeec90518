// The About box's layout and fixed texts, which the Windows binding draws from.
#include <gtest/gtest.h>

#include "about/AboutForm.h"
#include "hosts/sim/system/SimSystem.h"

namespace qh::about {
namespace {

struct Placed {
  const char* name;
  forms::Rect rect;
  int tabIndex;
};

TEST(AboutFormLayout, PlacesEveryControlWhereTheDialogShowsIt) {
  sim::SimSystem system;
  auto form = makeRef<AboutForm>(system);
  EXPECT_EQ(form->clientWidth(), 5730);
  EXPECT_EQ(form->clientHeight(), 3555);

  const Placed expected[] = {
      {"picIcon", {120, 120, 990, 990}, 1},        {"lblTitle", {1320, 240, 3885, 480}, 5},
      {"lblVersion", {1320, 780, 3885, 225}, 6},   {"lblDescription", {1320, 1125, 3885, 1170}, 3},
      {"LabelManual", {1320, 2040, 3915, 195}, 9}, {"lblDisclaimer", {255, 2625, 3870, 225}, 4},
      {"LabelWeb", {240, 2880, 1065, 195}, 7},     {"LabelEmail", {240, 3120, 1020, 195}, 8},
      {"cmdOK", {4245, 2625, 1260, 345}, 0},       {"cmdSysInfo", {4260, 3075, 1245, 345}, 2},
  };
  ASSERT_EQ(form->controls().size(), std::size(expected) + 2) << "and the separator's two lines";
  for (const Placed& p : expected) {
    const forms::Control* c = form->control(p.name);
    ASSERT_NE(c, nullptr) << p.name;
    EXPECT_EQ(c->rect().left, p.rect.left) << p.name;
    EXPECT_EQ(c->rect().top, p.rect.top) << p.name;
    EXPECT_EQ(c->rect().width, p.rect.width) << p.name;
    EXPECT_EQ(c->rect().height, p.rect.height) << p.name;
    EXPECT_EQ(c->tabIndex(), p.tabIndex) << p.name;
  }
  EXPECT_TRUE(form->cmdOK.isDefault() && form->cmdOK.isCancel()) << "Enter and Escape press OK";
  EXPECT_FALSE(form->cmdSysInfo.isDefault() || form->cmdSysInfo.isCancel());
  for (const forms::Label* link : {&form->LabelManual, &form->LabelWeb, &form->LabelEmail})
    EXPECT_TRUE(link->style() == forms::Label::Style::Link && link->autoSize()) << link->name();

  // The etched separator: grey above, white one twip-row below.
  const forms::Line& grey = form->Line1_1;
  const forms::Line& white = form->Line1_0;
  EXPECT_EQ(grey.index(), 1);
  EXPECT_EQ(grey.color(), 0x808080u);
  EXPECT_EQ(grey.rect().left, 90);
  EXPECT_EQ(grey.rect().top, 2445);
  EXPECT_EQ(grey.rect().left + grey.rect().width, 5654);
  EXPECT_EQ(white.index(), 0);
  EXPECT_EQ(white.color(), 0xFFFFFFu);
  EXPECT_EQ(white.rect().left, 105);
  EXPECT_EQ(white.rect().top, 2460);
  EXPECT_EQ(white.rect().left + white.rect().width, 5654);
}

}  // namespace
}  // namespace qh::about
