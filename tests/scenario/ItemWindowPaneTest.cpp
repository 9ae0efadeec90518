// The inspector's task pane: how the add-in asks for it, places and fills it, and how each
// failing step is logged while the rest goes on.
#include "hosts/sim/office/CTPFactory.h"
#include "hosts/sim/office/CustomTaskPane.h"
#include "hosts/sim/outlook/Explorers.h"
#include "tests/scenario/TagSettingsTest.h"

namespace qh::testing {
namespace {

using Tags = std::vector<std::string>;
using sim::CustomTaskPane;
using sim::outlook::ItemWindow;

// Stands between the add-in and the host's task-pane factory, so that a test can act on each
// new pane before the add-in gets it (record its calls, make members fail).
class PaneFactoryProxy : public Object {
 public:
  PaneFactoryProxy(Ref<sim::CTPFactory> factory, std::function<void(CustomTaskPane&)> prepare)
      : factory_(std::move(factory)), prepare_(std::move(prepare)) {}

  Variant invoke(std::string_view name, CallKind kind, Args& args) override {
    Variant result = factory_->invoke(name, kind, args);
    if (memberNameEquals(name, "CreateCTP"))
      if (auto* pane = dynamic_cast<CustomTaskPane*>(result.toObject().get())) prepare_(*pane);
    return result;
  }

 private:
  Ref<sim::CTPFactory> factory_;
  std::function<void(CustomTaskPane&)> prepare_;
};

class InspectorPane : public TagSettingsTest {
 protected:
  void start() {
    seedSettings("Support; Admin");
    outlook().openExplorer(calendar());
    startAddin();
    clearLog(system());
  }
  // From now on each new pane is handed to `prepare` before the add-in fills it.
  void beforeEachPane(std::function<void(CustomTaskPane&)> prepare) {
    auto proxy = makeRef<PaneFactoryProxy>(Ref<sim::CTPFactory>(host().taskPanes()), prepare);
    host().loader().addin("Quillhour.Connect")->call("CTPFactoryAvailable", Ref<Object>(proxy));
  }
  Ref<ItemWindow> openTime() {
    time = addTime("Review", "Admin");
    return outlook().openInspector(*time);
  }
  Ref<CustomTaskPane> paneOf(ItemWindow& inspector) {
    const auto panes = host().taskPanes()->panesOf(inspector);
    return panes.size() == 1 ? panes.front() : nullptr;
  }

  void TearDown() override {
    time.reset();
    TagSettingsTest::TearDown();
  }

  Ref<sim::outlook::AppointmentItem> time;
};

TEST_F(InspectorPane, IsAskedForByProgIdAndPlacedAtTheTopBeforeItIsShown) {
  start();
  host().taskPanes()->recordCalls();
  beforeEachPane([](CustomTaskPane& pane) { pane.recordCalls(); });
  Ref<ItemWindow> inspector = openTime();

  // Late binding reaches the method as a call or a get; the arguments are what matters.
  const Tags calls = host().taskPanes()->recordedCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_TRUE(calls[0].ends_with(
      " CreateCTP(\"QuillhourControls.InspectorPane\", \"Quillhour\", <object>)"))
      << calls[0];
  Ref<CustomTaskPane> pane = paneOf(*inspector);
  ASSERT_TRUE(pane);
  EXPECT_EQ(pane->window(), inspector.get());
  EXPECT_EQ(pane->recordedCalls(),
            (Tags{"Put DockPosition = 1", "Put Height = 50", "Put DockPositionRestrict = 1",
                  "Get ContentControl", "Put visible = True"}));
  const auto& writes = pane->propertyWrites();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[0].value.type(), Variant::Type::Int32);
  EXPECT_EQ(writes[1].value.type(), Variant::Type::Int16) << "the height is a 16-bit integer";
  EXPECT_EQ(writes[2].value.type(), Variant::Type::Int32);

  pane->clearRecordedCalls();
  outlook().closeInspector(*inspector);
  EXPECT_EQ(pane->recordedCalls(), (Tags{"Put visible = False", "Call Delete"}));
  EXPECT_TRUE(errorLines().empty()) << errorLines().front();
}

TEST_F(InspectorPane, AFactoryThatFailsLogsOneLineAndTheBarStays) {
  start();
  host().taskPanes()->failOn("CreateCTP", "The pane cannot be made.");
  Ref<ItemWindow> inspector = openTime();
  EXPECT_EQ(errorLines(), Tags{"cInspector:AddTaskPane:The pane cannot be made."});
  EXPECT_TRUE(barTagBox(*inspector));
}

TEST_F(InspectorPane, AnUnreadableControlLogsItAndTheThreeCallsAndThePaneIsStillShown) {
  start();
  beforeEachPane([](CustomTaskPane& pane) { pane.failOn("ContentControl", "No control."); });
  Ref<ItemWindow> inspector = openTime();
  const std::string tag = "cInspector:AddTaskPane:";
  EXPECT_EQ(errorLines(), (Tags{tag + "No control.", tag + kNotSet, tag + kNotSet, tag + kNotSet}));
  ASSERT_TRUE(paneOf(*inspector));
  EXPECT_TRUE(paneOf(*inspector)->visible());
}

TEST_F(InspectorPane, AFailingPlacementStepIsLoggedAndTheRestStillHappens) {
  start();
  beforeEachPane([](CustomTaskPane& pane) { pane.failOn("Height", "Height refused."); });
  Ref<ItemWindow> inspector = openTime();
  EXPECT_EQ(errorLines(), Tags{"cInspector:AddTaskPane:Height refused."});
  Ref<CustomTaskPane> pane = paneOf(*inspector);
  ASSERT_TRUE(pane);
  EXPECT_TRUE(pane->visible());
  EXPECT_EQ(pane->dockPositionRestrict(), 1);
  EXPECT_EQ(pane->contentControl()->getObject("TagComboBox")->get("Text").toString(), "Admin");
}

TEST_F(InspectorPane, AFailingHideIsLoggedAndTheDeleteIsStillTried) {
  start();
  Ref<ItemWindow> inspector = openTime();
  Ref<CustomTaskPane> pane = paneOf(*inspector);
  ASSERT_TRUE(pane);
  pane->recordCalls();
  pane->failOn("Visible", "Cannot hide now.");
  pane->failOn("Delete", "Cannot delete now.");
  outlook().closeInspector(*inspector);
  EXPECT_EQ(pane->recordedCalls(), (Tags{"Put visible = False", "Call Delete"}));
  EXPECT_EQ(errorLines(), (Tags{"cInspector:RemoveTaskPane:Cannot hide now.",
                                "cInspector:RemoveTaskPane:Cannot delete now."}));
  EXPECT_EQ(inspector->sinkCount(), 0u) << "the wrapper is gone all the same";
}

TEST_F(InspectorPane, ListsTheTagsAsTheyWereWhenTheInspectorOpened) {
  start();
  auto explorer = outlook().application().explorers().windows().front();
  Ref<ItemWindow> inspector = openTime();
  Ref<Object> dialog = openSettings(*explorer);
  ASSERT_TRUE(dialog);
  typeTag(*dialog, "Later");
  press(*dialog, "Save");
  Ref<Object> paneBox = paneOf(*inspector)->contentControl()->getObject("TagComboBox");
  EXPECT_EQ(listEntries(*paneBox), (Tags{"Support", "Admin"}));
  EXPECT_EQ(barTagBox(*inspector)->entries(), (Tags{"Support", "Admin"}));
}

}  // namespace
}  // namespace qh::testing
