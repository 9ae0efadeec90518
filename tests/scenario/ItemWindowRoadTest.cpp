// A Time's inspector: "New Time" opens it, it gets one tag box on its bar and one in its task
// pane, either box tags the appointment, saving stores the tag, and closing removes it all.
#include "hosts/sim/office/CTPFactory.h"
#include "hosts/sim/office/CustomTaskPane.h"
#include "hosts/sim/outlook/ItemWindows.h"
#include "tests/scenario/TagSettingsTest.h"

namespace qh::testing {
namespace {

using Tags = std::vector<std::string>;
using sim::outlook::ItemWindow;

class InspectorRoad : public TagSettingsTest {
 protected:
  // The add-in started with the tags Support, Project A and Meeting and one calendar window.
  void startWithTags() {
    seedSettings("Support; Project A;Meeting");
    explorer = outlook().openExplorer(calendar());
    startAddin();
  }
  Ref<ItemWindow> pressNewTime() {
    barButton(*explorer, "New Time")->click();
    const auto& windows = outlook().application().inspectors().windows();
    return windows.empty() ? nullptr : windows.back();
  }
  std::vector<Ref<sim::CustomTaskPane>> panesOf(ItemWindow& inspector) {
    return host().taskPanes()->panesOf(inspector);
  }

  void TearDown() override {
    explorer.reset();
    TagSettingsTest::TearDown();
  }

  Ref<Explorer> explorer;
};

TEST_F(InspectorRoad, NewTimeGetsOneBarAndOnePaneWhoseChoicesTagTheSavedAppointment) {
  startWithTags();
  Ref<ItemWindow> inspector = pressNewTime();
  ASSERT_TRUE(inspector);
  sim::outlook::Item& item = inspector->item();

  ASSERT_EQ(barsOf(*inspector).bars().size(), 1u);
  Ref<sim::CommandBar> bar = quillhourBar(*inspector);
  ASSERT_TRUE(bar);
  EXPECT_TRUE(bar->visible());
  EXPECT_EQ(bar->protection(), 25);
  EXPECT_EQ(bar->position(), 1);
  EXPECT_TRUE(bar->temporary());
  Ref<sim::CommandBarComboBox> box = barTagBox(*inspector);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->entries(), (Tags{"Support", "Project A", "Meeting"}));
  EXPECT_EQ(box->text(), "");
  EXPECT_TRUE(box->beginGroup());
  EXPECT_EQ(box->width(), 200);
  EXPECT_EQ(box->tooltipText(), "Quillhour Tag");
  EXPECT_EQ(box->style(), 1);

  const auto panes = panesOf(*inspector);
  ASSERT_EQ(panes.size(), 1u);
  Ref<sim::CustomTaskPane> pane = panes.front();
  EXPECT_EQ(pane->title(), "Quillhour");
  EXPECT_TRUE(pane->visible());
  EXPECT_EQ(pane->dockPosition(), 1);
  EXPECT_EQ(pane->dockPositionRestrict(), 1);
  EXPECT_EQ(pane->height(), 50);
  Ref<Object> paneBox = pane->contentControl()->getObject("TagComboBox");
  EXPECT_EQ(listEntries(*paneBox), (Tags{"Support", "Project A", "Meeting"}));

  paneBox->call("Choose", 1);
  EXPECT_EQ(item.value("Categories").toString(), "Project A");
  box->choose("Meeting");
  EXPECT_EQ(item.value("Categories").toString(), "Meeting");
  EXPECT_FALSE(item.stored()) << "choosing a tag does not save the appointment";

  Ref<sim::CommandBars> bars(&barsOf(*inspector));
  clearLog(system());
  outlook().closeInspector(*inspector, sim::outlook::SaveMode::Save);
  EXPECT_TRUE(item.stored());
  EXPECT_EQ(item.savedValue("Categories").toString(), "Meeting");
  EXPECT_TRUE(bars->bars().empty()) << "the wrapper deleted its bar";
  EXPECT_TRUE(box->isDeleted());
  EXPECT_TRUE(pane->isDeleted());
  EXPECT_FALSE(pane->propertyWrites().back().value.toBool()) << "the pane was hidden first";
  EXPECT_EQ(inspector->sinkCount(), 0u) << "the wrapper let go of the inspector";
  EXPECT_EQ(inspector->refCount(), 1) << "and so did the wrapper registry";
  EXPECT_EQ(logMessages(), Tags{"Inspector_Close"});
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(InspectorRoad, AnAppointmentOpenedAgainAfterClosingGetsAFreshWrapper) {
  startWithTags();
  auto time = addTime("Review", "A, B");
  Ref<ItemWindow> first = outlook().openInspector(*time);
  EXPECT_EQ(barTagBox(*first)->text(), "A, B") << "the whole categories text is shown";
  EXPECT_EQ(
      panesOf(*first).front()->contentControl()->getObject("TagComboBox")->get("Text").toString(),
      "A, B");
  outlook().closeInspector(*first, sim::outlook::SaveMode::Discard);

  Ref<ItemWindow> second = outlook().openInspector(*time);
  ASSERT_NE(second.get(), first.get());
  EXPECT_EQ(second->sinkCount(), 1u);
  ASSERT_TRUE(barTagBox(*second));
  EXPECT_EQ(panesOf(*second).size(), 1u);
  barTagBox(*second)->choose("Support");
  EXPECT_EQ(time->value("Categories").toString(), "Support") << "one tag replaces them all";
}

TEST_F(InspectorRoad, TheSameInspectorReportedTwiceGetsOneWrapper) {
  startWithTags();
  auto time = addTime("Review");
  Ref<ItemWindow> inspector = outlook().openInspector(*time);
  clearLog(system());
  outlook().reportNewInspector(*inspector);

  EXPECT_EQ(logMessages(), Tags{"Addin NewInspector"});
  EXPECT_EQ(inspector->sinkCount(), 1u);
  EXPECT_EQ(panesOf(*inspector).size(), 1u);
  EXPECT_EQ(barsOf(*inspector).bars().size(), 1u);
}

TEST_F(InspectorRoad, TheSettingsItemAndAMailGetNoWrapperButASubjectInOtherCaseDoes) {
  startWithTags();
  Ref<ItemWindow> settings = outlook().openInspector(*settingsItems().front());
  Ref<Item> mail = outlook().application().createItem(sim::outlook::kMailItem);
  Ref<ItemWindow> mailWindow = outlook().openInspector(*mail);
  auto lookalike = addTime("quillhour_settings1_");
  Ref<ItemWindow> lookalikeWindow = outlook().openInspector(*lookalike);

  for (ItemWindow* window : {settings.get(), mailWindow.get()}) {
    EXPECT_EQ(window->sinkCount(), 0u);
    EXPECT_TRUE(barsOf(*window).bars().empty());
    EXPECT_TRUE(panesOf(*window).empty());
  }
  EXPECT_EQ(lookalikeWindow->sinkCount(), 1u);
  EXPECT_TRUE(barTagBox(*lookalikeWindow));
}

TEST_F(InspectorRoad, ShutdownRemovesTheBarAndPaneOfAnInspectorStillOpen) {
  startWithTags();
  auto time = addTime("Review");
  Ref<ItemWindow> inspector = outlook().openInspector(*time);
  Ref<sim::CommandBars> bars(&barsOf(*inspector));
  Ref<sim::CustomTaskPane> pane = panesOf(*inspector).front();
  explorer.reset();

  host().quit();
  EXPECT_TRUE(bars->bars().empty());
  EXPECT_TRUE(pane->isDeleted());
  EXPECT_FALSE(pane->visible());
  EXPECT_EQ(inspector->sinkCount(), 0u);
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

}  // namespace
}  // namespace qh::testing
