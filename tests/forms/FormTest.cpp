#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ErrorCodes.h"
#include "RecordingSystem.h"
#include "TestForm.h"

namespace qh::forms {
namespace {

using Calls = std::vector<std::string>;
using fakes::TestForm;

struct FormTest : ::testing::Test {
  fakes::RecordingSystem system;
  bool ended = false;
  Ref<TestForm> form = makeRef<TestForm>(system, [this] { ended = true; });
};

TEST_F(FormTest, LoadsOnceOnFirstUse) {
  EXPECT_FALSE(form->loaded());
  form->load();
  form->load();
  form->show();
  EXPECT_EQ(form->loads, 1);
  EXPECT_TRUE(form->loaded());
}

TEST_F(FormTest, ShowLoadsAndTellsTheWindowSystem) {
  form->call("Show");
  EXPECT_EQ(form->loads, 1);
  EXPECT_TRUE(form->visible());
  EXPECT_TRUE(form->get("Visible").toBool());
  EXPECT_EQ(system.calls, (Calls{"loaded Test Dialog", "shown Test Dialog"}));
}

TEST_F(FormTest, HideTellsOnlyWhenItWasVisible) {
  form->hide();
  form->show();
  form->call("Hide");
  form->hide();
  EXPECT_FALSE(form->visible());
  EXPECT_TRUE(form->loaded());
  EXPECT_EQ(system.calls, (Calls{"loaded Test Dialog", "shown Test Dialog", "hidden Test Dialog"}));
}

TEST_F(FormTest, UnloadEndsTheFormOnceAndCallsBack) {
  int callbacks = 0;
  form->onUnloaded([&] { ++callbacks; });
  form->show();
  form->call("Unload");
  form->unload();
  EXPECT_TRUE(form->unloaded());
  EXPECT_FALSE(form->loaded());
  EXPECT_FALSE(form->visible());
  EXPECT_EQ(callbacks, 1);
  EXPECT_EQ(system.calls,
            (Calls{"loaded Test Dialog", "shown Test Dialog", "unloaded Test Dialog"}));
}

TEST_F(FormTest, ClosingFromTheFrameUnloads) {
  form->show();
  form->call("Close");
  EXPECT_TRUE(form->unloaded());
}

TEST_F(FormTest, TheUnloadCallbackMayDropTheLastReference) {
  bool endedDuringCallback = true;
  TestForm* raw = form.get();
  raw->onUnloaded([&] {
    form.reset();  // the shared instance's keeper lets go
    endedDuringCallback = ended;
  });
  raw->unload();
  EXPECT_FALSE(endedDuringCallback);
  EXPECT_TRUE(ended);
}

TEST_F(FormTest, ControlsAreReachedByNameWithoutRegardToCase) {
  Ref<Object> list = form->getObject("taglist");
  ASSERT_TRUE(list);
  EXPECT_TRUE(sameObject(list.get(), &form->TagList));
  list->call("AddItem", "beta");
  form->getObject("TagList")->call("AddItem", "Alpha");
  EXPECT_EQ(form->TagList.items(), (std::vector<std::string>{"Alpha", "beta"}));
  form->getObject("TAGTEXT")->put("Text", Variant("Gamma"));
  EXPECT_EQ(form->TagText.text(), "Gamma");
  EXPECT_EQ(form->control("Save"), &form->Save);
  EXPECT_EQ(form->get("Caption").toString(), "Test Dialog");
}

TEST_F(FormTest, UnknownNamesAndMisusedControlNamesAreNotSupported) {
  EXPECT_EQ(fakes::errorCode([&] { form->get("Missing"); }), fakes::kNotSupported);
  EXPECT_EQ(fakes::errorCode([&] { form->put("TagList", Variant(1)); }), fakes::kNotSupported);
  EXPECT_EQ(fakes::errorCode([&] { form->get("TagList", 0); }), fakes::kNotSupported);
  EXPECT_EQ(fakes::errorCode([&] { form->put("Visible", Variant(true)); }), fakes::kNotSupported);
  EXPECT_EQ(form->control("Missing"), nullptr);
}

TEST_F(FormTest, AReferenceToAControlKeepsItsFormAlive) {
  Ref<Object> text = form->getObject("TagText");
  form.reset();
  EXPECT_FALSE(ended);
  text->put("Text", Variant("still here"));
  text.reset();
  EXPECT_TRUE(ended);
}

TEST_F(FormTest, AClickHandlerMayDropTheLastReferenceToItsForm) {
  bool endedDuringHandler = true;
  TestForm* raw = form.get();
  raw->Save.onClick([&] {
    raw->hide();
    form.reset();  // the explorer lets go of its dialog
    endedDuringHandler = ended;
    raw->unload();  // the handler goes on with its own form
  });
  raw->show();
  raw->Save.click();
  EXPECT_FALSE(endedDuringHandler);
  EXPECT_TRUE(ended);
  EXPECT_EQ(system.calls, (Calls{"loaded Test Dialog", "shown Test Dialog", "hidden Test Dialog",
                                 "unloaded Test Dialog"}));
}

}  // namespace
}  // namespace qh::forms
