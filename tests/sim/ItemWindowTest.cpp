#include <gtest/gtest.h>

#include "EventRecorder.h"
#include "OutlookFixture.h"
#include "hosts/sim/outlook/ItemWindows.h"

namespace qh::sim::outlook {
namespace {

using sim::testing::EventRecorder;
using testing::OutlookTest;
using Events = std::vector<std::string>;

class ItemWindowTest : public OutlookTest {
 protected:
  void SetUp() override {
    collection.listen(app().inspectors());
    time = addTime(outlook.calendar(), "Review", "Support");
  }

  EventRecorder collection;
  EventRecorder window;
  Ref<AppointmentItem> time;
};

TEST_F(ItemWindowTest, OpeningAnItemRaisesNewInspectorWithAWindowShowingIt) {
  Ref<ItemWindow> inspector = outlook.openInspector(*time);
  EXPECT_EQ(collection.events(), Events{"NewInspector"});
  Ref<Object> reported = collection.argsOf(0).at(0).toObject();
  EXPECT_TRUE(sameObject(reported.get(), inspector.get()));
  EXPECT_TRUE(sameObject(reported->getObject("CurrentItem").get(), time.get()));
  EXPECT_EQ(appObject()->getObject("Inspectors")->get("Count").toInt32(), 1);
}

TEST_F(ItemWindowTest, DisplayOpensOneWindowAndActivatesItWhenShownAgain) {
  Ref<Object> item = appObject()->getObject("CreateItem", kAppointmentItem);
  item->call("Display");
  ASSERT_EQ(app().inspectors().windows().size(), 1u);
  window.listen(*app().inspectors().windows()[0]);
  item->call("Display");
  EXPECT_EQ(collection.events(), Events{"NewInspector"});
  EXPECT_EQ(window.events(), Events{"Activate"});
  EXPECT_EQ(app().inspectors().windows().size(), 1u);
}

TEST_F(ItemWindowTest, TheSameInspectorCanBeReportedTwice) {
  Ref<ItemWindow> inspector = outlook.openInspector(*time);
  outlook.reportNewInspector(*inspector);
  EXPECT_EQ(collection.events(), (Events{"NewInspector", "NewInspector"}));
  EXPECT_TRUE(sameObject(collection.argsOf(1).at(0).toObject().get(), inspector.get()));
}

TEST_F(ItemWindowTest, ClosingWithoutSavingDiscardsTheChanges) {
  Ref<ItemWindow> inspector = outlook.openInspector(*time);
  window.listen(*inspector);
  time->put("Categories", "Project A");
  outlook.closeInspector(*inspector, SaveMode::Discard);
  EXPECT_EQ(window.events(), Events{"Close"});
  EXPECT_EQ(time->get("Categories").toString(), "Support");
  EXPECT_EQ(time->saveCount(), 0);
  EXPECT_TRUE(app().inspectors().windows().empty());
  EXPECT_THROW(Ref<Object>(inspector)->get("CurrentItem"), Error);
}

TEST_F(ItemWindowTest, CloseByAutomationAppliesItsSaveMode) {
  Ref<ItemWindow> inspector = outlook.openInspector(*time);
  time->put("Categories", "Project A");
  Ref<Object>(inspector)->call("Close", static_cast<int>(SaveMode::Save));
  EXPECT_EQ(time->savedValue("Categories").toString(), "Project A");
  EXPECT_EQ(time->saveCount(), 1);
}

TEST_F(ItemWindowTest, ClosingAskedByTheUserFollowsTheAnswer) {
  outlook.setSaveWhenPrompted(false);
  Ref<ItemWindow> inspector = outlook.openInspector(*time);
  time->put("Subject", "Changed");
  outlook.closeInspector(*inspector);
  EXPECT_EQ(time->get("Subject").toString(), "Review");
}

TEST_F(ItemWindowTest, ClosingTheItemClosesItsWindowAfterSaving) {
  Ref<ItemWindow> inspector = outlook.openInspector(*time);
  window.listen(*inspector);
  bool savedWhenClosed = false;
  window.setAction([&](std::string_view, Args&) { savedWhenClosed = time->saved(); });
  time->put("Body", "notes");
  time->call("Close", static_cast<int>(SaveMode::Save));
  EXPECT_EQ(window.events(), Events{"Close"});
  EXPECT_TRUE(savedWhenClosed);
  EXPECT_TRUE(inspector->closed());
}

TEST_F(ItemWindowTest, DeletingAnOpenItemClosesItsWindow) {
  Ref<ItemWindow> inspector = outlook.openInspector(*time);
  time->call("Delete");
  EXPECT_TRUE(inspector->closed());
  EXPECT_TRUE(app().inspectors().windows().empty());
}

TEST_F(ItemWindowTest, AFailingNewInspectorHandlerIsRecordedAndTheWindowStillOpens) {
  collection.setAction([](std::string_view, Args&) { throw Error(13, "Type mismatch"); });
  Ref<ItemWindow> inspector = outlook.openInspector(*time);
  EXPECT_EQ(outlook.eventFailures(), std::vector<std::string>{"NewInspector: Type mismatch"});
  EXPECT_EQ(app().inspectors().windows().size(), 1u);
}

}  // namespace
}  // namespace qh::sim::outlook
