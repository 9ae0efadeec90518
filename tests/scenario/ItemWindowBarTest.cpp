// The inspector's own "Quillhour" bar: adopting what is there, what a choice writes, and the
// failures that are logged step by step or go back to Office.
#include "hosts/sim/office/CTPFactory.h"
#include "hosts/sim/office/CustomTaskPane.h"
#include "tests/scenario/TagSettingsTest.h"

namespace qh::testing {
namespace {

using Tags = std::vector<std::string>;
using sim::outlook::ItemWindow;

constexpr const char* kAddTag = "cInspector:AddCommandBar:";

class InspectorBar : public TagSettingsTest {
 protected:
  void start(const std::string& tags = "Support; Admin") {
    if (!tags.empty()) seedSettings(tags);
    outlook().openExplorer(calendar());
    startAddin();
    clearLog(system());
  }
  // Lets `prepare` act on each inspector's command bars before the add-in sees them.
  void beforeInspectorBars(std::function<void(sim::CommandBars&)> prepare) {
    prepareCommandBars(outlook().application(), [prepare](Object& window, sim::CommandBars& bars) {
      if (dynamic_cast<ItemWindow*>(&window)) prepare(bars);
    });
  }
  Ref<ItemWindow> openTime(const std::string& categories) {
    time = addTime("Review", categories);
    return outlook().openInspector(*time);
  }

  void TearDown() override {
    time.reset();
    TagSettingsTest::TearDown();
  }

  Ref<sim::outlook::AppointmentItem> time;
};

// A bar "Quillhour" as another session left it: hidden and unprotected.
Ref<Object> addOldBar(sim::CommandBars& bars) {
  return bars.getObject("Add", "Quillhour", 1, false, true);
}

TEST_F(InspectorBar, AnExistingBarIsProtectedShownAndItsTagBoxAdoptedAsItIs) {
  beforeInspectorBars([](sim::CommandBars& bars) {
    Ref<Object> box = addOldBar(bars)->getObject("Controls")->getObject("Add", 4);
    box->put("Caption", "Tag:");
    box->call("AddItem", "Old");
    box->put("Text", "kept");
  });
  start();
  Ref<ItemWindow> inspector = openTime("Support");

  ASSERT_EQ(barsOf(*inspector).bars().size(), 1u);
  Ref<sim::CommandBar> bar = quillhourBar(*inspector);
  EXPECT_EQ(bar->protection(), 25);
  EXPECT_TRUE(bar->visible());
  ASSERT_EQ(bar->controls().all().size(), 1u);
  Ref<sim::CommandBarComboBox> box = barTagBox(*inspector);
  EXPECT_EQ(box->entries(), Tags{"Old"}) << "an adopted box is not refilled";
  EXPECT_EQ(box->text(), "kept") << "nor is its text set from the item";
  box->choose("Old");
  EXPECT_EQ(time->value("Categories").toString(), "Old") << "the adopted box is listened to";
}

TEST_F(InspectorBar, AnExistingBarWithoutATagBoxGetsOneAdded) {
  beforeInspectorBars([](sim::CommandBars& bars) {
    addOldBar(bars)->getObject("Controls")->getObject("Add", 1)->put("Caption", "Other");
  });
  start();
  Ref<ItemWindow> inspector = openTime("Admin");
  ASSERT_EQ(barsOf(*inspector).bars().size(), 1u);
  EXPECT_EQ(quillhourBar(*inspector)->controls().all().size(), 2u);
  EXPECT_EQ(barTagBox(*inspector)->entries(), (Tags{"Support", "Admin"}));
  EXPECT_EQ(barTagBox(*inspector)->text(), "Admin");
}

TEST_F(InspectorBar, TypedTextAClearedBoxAndTheCurrentTagWriteNothing) {
  start();
  Ref<ItemWindow> inspector = openTime("Support");
  time->recordCalls();
  Ref<sim::CommandBarComboBox> box = barTagBox(*inspector);
  box->typeText("Admin");
  box->typeText("");
  box->choose("Support");
  for (const std::string& call : time->recordedCalls())
    EXPECT_FALSE(call.starts_with("Put")) << call;
  EXPECT_TRUE(time->saved());
}

TEST_F(InspectorBar, AnEmptyTagListGivesEmptyBoxesThatStillShowTheCategories) {
  start("");
  Ref<ItemWindow> inspector = openTime("Mixed, Tags");
  EXPECT_EQ(barTagBox(*inspector)->entries(), Tags{});
  EXPECT_EQ(barTagBox(*inspector)->text(), "Mixed, Tags");
  Ref<Object> paneBox =
      host().taskPanes()->panesOf(*inspector).front()->contentControl()->getObject("TagComboBox");
  EXPECT_EQ(listEntries(*paneBox), Tags{});
  EXPECT_EQ(paneBox->get("Text").toString(), "Mixed, Tags");
}

TEST_F(InspectorBar, ABarThatCannotBeCreatedLogsEveryLaterStepAndThePaneStillComes) {
  beforeInspectorBars([](sim::CommandBars& bars) { bars.failOn("Add", "Bars are locked."); });
  start();
  Ref<ItemWindow> inspector = openTime("Support");
  Tags expected{kAddTag + std::string("Bars are locked.")};
  // Protection, Visible, Controls.Add, the box's five properties, its list and its text.
  expected.insert(expected.end(), 10, kAddTag + kNotSet);
  EXPECT_EQ(errorLines(), expected);
  EXPECT_EQ(host().taskPanes()->panesOf(*inspector).size(), 1u);

  outlook().closeInspector(*inspector);
  EXPECT_EQ(errorLines(), expected) << "removing a bar that is not there logs nothing";
  EXPECT_EQ(inspector->sinkCount(), 0u);
}

TEST_F(InspectorBar, ATagBoxThatCannotBeAddedLeavesTheBarShown) {
  beforeInspectorBars([](sim::CommandBars& bars) {
    dynamic_cast<sim::SimObject&>(*addOldBar(bars)->getObject("Controls"))
        .failOn("Add", "No room on the bar.");
  });
  start();
  Ref<ItemWindow> inspector = openTime("Support");
  Tags expected{kAddTag + std::string("No room on the bar.")};
  expected.insert(expected.end(), 7, kAddTag + kNotSet);
  EXPECT_EQ(errorLines(), expected);
  EXPECT_TRUE(quillhourBar(*inspector)->visible());
  EXPECT_FALSE(barTagBox(*inspector));
}

TEST_F(InspectorBar, AControlThatCannotBeDeletedIsLoggedAndTheBarGoesAnyway) {
  start();
  Ref<ItemWindow> inspector = openTime("Support");
  Ref<sim::CommandBars> bars(&barsOf(*inspector));
  barTagBox(*inspector)->failOn("Delete", "The control is in use.");
  outlook().closeInspector(*inspector);
  EXPECT_EQ(errorLines(), Tags{"cInspector:RemoveCommandBar:The control is in use."});
  EXPECT_TRUE(bars->bars().empty());
}

TEST_F(InspectorBar, AFailingTagWriteGoesBackToTheBoxAndIsNotLogged) {
  start();
  Ref<ItemWindow> inspector = openTime("Support");
  time->failOn("Categories", "The item is read-only.", sim::FaultMode::Always,
               [](CallKind kind, const Args&) { return kind == CallKind::Put; });
  barTagBox(*inspector)->choose("Admin");
  EXPECT_EQ(eventFailures(), Tags{"Change: The item is read-only."});
  EXPECT_TRUE(errorLines().empty()) << errorLines().front();
}

TEST_F(InspectorBar, ActivationIsTracedAndChangesNothing) {
  start();
  Ref<ItemWindow> inspector = openTime("Support");
  clearLog(system());
  outlook().activate(*inspector);
  EXPECT_EQ(logMessages(), Tags{"Inspector_Activate"});
  EXPECT_EQ(barsOf(*inspector).bars().size(), 1u);
}

}  // namespace
}  // namespace qh::testing
