#include <gtest/gtest.h>

#include "ErrorCodes.h"
#include "forms/CheckBox.h"

namespace qh::forms {
namespace {

struct CheckBoxTest : ::testing::Test {
  Ref<CheckBox> box = makeRef<CheckBox>("CheckDeleteAfter", "Delete items after export",
                                        Rect{360, 5160, 3255, 255}, 11);
  int clicks = 0;
  void SetUp() override {
    box->onClick([this] { ++clicks; });
  }
};

TEST_F(CheckBoxTest, StartsUncheckedAndTheUserTogglesIt) {
  EXPECT_EQ(box->get("Value").toInt32(), 0);
  EXPECT_EQ(box->get("Caption").toString(), "Delete items after export");
  box->click();
  EXPECT_EQ(box->value(), CheckBox::kChecked);
  EXPECT_TRUE(box->checked());
  box->call("Click");
  EXPECT_EQ(box->value(), CheckBox::kUnchecked);
  EXPECT_EQ(clicks, 2);
}

TEST_F(CheckBoxTest, AGrayedBoxBecomesCheckedOnClick) {
  box->put("Value", Variant(2));
  EXPECT_FALSE(box->checked());
  box->click();
  EXPECT_EQ(box->value(), CheckBox::kChecked);
}

TEST_F(CheckBoxTest, OnlyThreeValuesAreValid) {
  for (int bad : {3, -1}) {
    EXPECT_EQ(fakes::errorCode([&] { box->put("Value", Variant(bad)); }), fakes::kInvalidValue);
  }
  EXPECT_EQ(box->value(), CheckBox::kUnchecked);
  EXPECT_EQ(clicks, 0);
  // True is -1, which the control refuses like any other number outside 0 to 2.
  EXPECT_EQ(fakes::errorCode([&] { box->put("", Variant(true)); }), fakes::kInvalidValue);
  EXPECT_EQ(box->value(), CheckBox::kUnchecked);
}

TEST_F(CheckBoxTest, AChangeFromCodeClicksButTheSameValueDoesNot) {
  box->put("Value", Variant(1));
  box->put("Value", Variant(1));
  EXPECT_EQ(clicks, 1);
}

TEST_F(CheckBoxTest, ADisabledBoxIgnoresTheUser) {
  box->setEnabled(false);
  box->click();
  EXPECT_EQ(box->value(), CheckBox::kUnchecked);
  EXPECT_EQ(clicks, 0);
}

}  // namespace
}  // namespace qh::forms
