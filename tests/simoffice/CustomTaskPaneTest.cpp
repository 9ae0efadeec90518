#include "hosts/sim/office/CustomTaskPane.h"

#include <gtest/gtest.h>

#include "OfficeTestSupport.h"
#include "hosts/sim/office/CTPFactory.h"

namespace qh::sim {
namespace {

using testing::failureOf;
using testing::kDisconnected;
using testing::ProbeControl;

// A pane made for a window, with a content control that reports its end.
class CustomTaskPaneTest : public ::testing::Test {
 protected:
  CustomTaskPaneTest() {
    pane = factory->call("CreateCTP", "QuillhourControls.InspectorPane", "Quillhour", window)
               .toObject();
  }
  CustomTaskPane& host() { return *factory->panes().at(0); }

  bool controlEnded = false;
  bool windowEnded = false;
  Ref<Object> window = makeRef<ProbeControl>(windowEnded);
  Ref<CTPFactory> factory = makeRef<CTPFactory>(
      [this](const std::string&) { return Ref<Object>(new ProbeControl(controlEnded)); });
  Ref<Object> pane;
};

TEST_F(CustomTaskPaneTest, ANewPaneIsHiddenAtTheRightOfItsWindowWithItsControl) {
  EXPECT_EQ(pane->get("Title").toString(), "Quillhour");
  EXPECT_EQ(pane->get("").toString(), "Quillhour");
  EXPECT_TRUE(sameObject(pane->getObject("Window").get(), window.get()));
  EXPECT_TRUE(pane->getObject("ContentControl"));
  EXPECT_FALSE(pane->get("Visible").toBool());
  EXPECT_EQ(pane->get("DockPosition").toInt32(), 2) << "msoCTPDockPositionRight";
  EXPECT_EQ(pane->get("DockPositionRestrict").toInt32(), 0);
  EXPECT_FALSE(pane->getObject("Application")) << "no application source was given";
}

TEST_F(CustomTaskPaneTest, PropertyWritesAreKeptInOrderAsTheCallerPassedThem) {
  pane->put("DockPosition", 1);
  pane->put("Height", std::int16_t{50});
  pane->put("DockPositionRestrict", 1);
  pane->put("visible", true);

  const auto& writes = host().propertyWrites();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[0].name, "DockPosition");
  EXPECT_EQ(writes[0].value, Variant(1));
  EXPECT_EQ(writes[1].name, "Height");
  EXPECT_EQ(writes[1].value.type(), Variant::Type::Int16);
  EXPECT_EQ(writes[2].name, "DockPositionRestrict");
  EXPECT_EQ(writes[3].name, "visible");
  EXPECT_TRUE(host().visible());
  EXPECT_EQ(host().height(), 50);
}

TEST_F(CustomTaskPaneTest, ADockedPaneRefusesTheSizeItsWindowDecides) {
  EXPECT_EQ(failureOf([&] { pane->put("Height", 50); }),
            "80004005: Method 'Height' of object '_CustomTaskPane' failed")
      << "docked at the right, the pane is as high as the window";
  pane->put("DockPosition", 1);
  EXPECT_EQ(failureOf([&] { pane->put("Width", 300); }),
            "80004005: Method 'Width' of object '_CustomTaskPane' failed");
  EXPECT_EQ(failureOf([&] { pane->put("DockPosition", 5); }),
            "5: Invalid procedure call or argument");
  EXPECT_EQ(failureOf([&] { pane->put("DockPositionRestrict", 4); }),
            "5: Invalid procedure call or argument");
  EXPECT_EQ(host().propertyWrites().size(), 1u) << "only the write that took effect";
}

TEST_F(CustomTaskPaneTest, DeleteReleasesTheContentControlWhichThenEnds) {
  pane->call("Delete");

  EXPECT_TRUE(controlEnded);
  EXPECT_TRUE(factory->panes().empty());
  EXPECT_EQ(failureOf([&] { pane->put("visible", false); }), kDisconnected);
  EXPECT_EQ(failureOf([&] { pane->call("Delete"); }), kDisconnected);
}

TEST_F(CustomTaskPaneTest, AControlHeldElsewhereOutlivesItsDeletedPane) {
  Ref<Object> control = pane->getObject("ContentControl");
  pane->call("Delete");
  EXPECT_FALSE(controlEnded);
  control.reset();
  EXPECT_TRUE(controlEnded);
}

TEST_F(CustomTaskPaneTest, AnInjectedFaultFailsAWriteWhateverItsSpelling) {
  host().failOn("Visible", "Cannot show", FaultMode::Once);

  EXPECT_EQ(failureOf([&] { pane->put("visible", true); }), "80004005: Cannot show");
  EXPECT_FALSE(host().visible());
  pane->put("visible", true);
  EXPECT_TRUE(host().visible());
}

}  // namespace
}  // namespace qh::sim
