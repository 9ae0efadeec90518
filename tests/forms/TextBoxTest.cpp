#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ErrorCodes.h"
#include "RecordingSystem.h"
#include "TestForm.h"
#include "forms/TextBox.h"

namespace qh::forms {
namespace {

using KeyPresses = std::vector<std::pair<int, int>>;

Ref<TextBox> makeBox(KeyPresses* keys = nullptr) {
  auto box = makeRef<TextBox>("TagText", Rect{}, 3);
  if (keys) box->onKeyUp([keys](int code, int shift) { keys->emplace_back(code, shift); });
  return box;
}

TEST(TextBox, TypingAndKeyUpReachTheForm) {
  KeyPresses keys;
  auto box = makeBox(&keys);
  box->type(" Project;");
  box->call("Type", "X ");
  EXPECT_EQ(box->get("Text").toString(), " Project;X ");
  box->keyUp(13);
  box->call("KeyUp", 16, 1);
  EXPECT_EQ(keys, (KeyPresses{{13, 0}, {16, 1}}));
}

TEST(TextBox, TextFromCodePutsTheCaretFirst) {
  auto box = makeBox();
  box->type("abc");
  EXPECT_EQ(box->selStart(), 3);
  box->put("Text", Variant("tag"));
  EXPECT_EQ(box->get("SelStart").toInt32(), 0);
  box->type(">");
  EXPECT_EQ(box->text(), ">tag");
  EXPECT_EQ(box->get("").toString(), ">tag");  // Text is the default member
}

TEST(TextBox, TypingReplacesTheSelection) {
  auto box = makeBox();
  box->setText("Project Alpha");
  box->put("SelStart", Variant(8));
  box->put("SelLength", Variant(5));
  box->type("Beta");
  EXPECT_EQ(box->text(), "Project Beta");
  EXPECT_EQ(box->selStart(), 12);
  EXPECT_EQ(box->selLength(), 0);
}

TEST(TextBox, SelectionStaysWithinTheText) {
  auto box = makeBox();
  box->setText("abc");
  box->setSelStart(10);
  EXPECT_EQ(box->selStart(), 3);
  box->setSelStart(1);
  box->setSelLength(10);
  EXPECT_EQ(box->selLength(), 2);
  EXPECT_EQ(fakes::errorCode([&] { box->put("SelStart", Variant(-1)); }), fakes::kInvalidValue);
  EXPECT_EQ(fakes::errorCode([&] { box->put("SelLength", Variant(-1)); }), fakes::kInvalidValue);
  EXPECT_EQ(box->selStart(), 1);
}

TEST(TextBox, DisabledBoxIgnoresTheUser) {
  KeyPresses keys;
  auto box = makeBox(&keys);
  box->put("Enabled", Variant(false));
  box->type("x");
  box->keyUp(13);
  EXPECT_EQ(box->text(), "");
  EXPECT_TRUE(keys.empty());
}

TEST(TextBox, FocusLivesOnTheForm) {
  fakes::RecordingSystem system;
  auto form = makeRef<fakes::TestForm>(system);
  EXPECT_FALSE(form->TagText.hasFocus());
  form->TagText.type("x");  // typing alone does not move the focus
  EXPECT_FALSE(form->TagText.hasFocus());
  form->TagText.call("SetFocus");
  EXPECT_TRUE(form->TagText.hasFocus());
  EXPECT_EQ(form->focusedControl(), &form->TagText);
  form->TagList.setFocus();
  EXPECT_FALSE(form->TagText.hasFocus());

  auto loose = makeBox();
  loose->setFocus();  // not on a form: nothing to focus
  EXPECT_FALSE(loose->hasFocus());
}

}  // namespace
}  // namespace qh::forms
