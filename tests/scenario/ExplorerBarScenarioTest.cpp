// The explorer's "Quillhour" bar as the user sees it: built once per window, shown only on the
// calendar, reused when the window already has one, and removed with its window.
#include "tests/support/ExplorerHostTest.h"

namespace qh::testing {
namespace {

using ExplorerBar = ExplorerHostTest;
using Messages = std::vector<std::string>;

struct ExpectedControl {
  int type;
  const char* caption;
  const char* tooltip;
  int faceId;
  bool beginGroup;
};

TEST_F(ExplorerBar, HoldsItsFiveControlsInOrderOnAProtectedTemporaryTopBar) {
  storeTagList("Support; Admin");
  Ref<Explorer> explorer = startOnCalendar();
  Ref<sim::CommandBar> bar = quillhourBar(*explorer);
  ASSERT_TRUE(bar);
  EXPECT_EQ(bar->position(), 1);
  EXPECT_EQ(bar->protection(), 25);
  EXPECT_TRUE(bar->temporary());
  EXPECT_FALSE(bar->menuBar());
  EXPECT_TRUE(bar->visible());

  const ExpectedControl expected[] = {
      {1, "New Time", "New Time post", 2145, false},
      {4, "Tag:", "Quillhour Tag", 0, false},
      {1, "Export Times", "Export Times to Excel", 142, false},
      {1, "Settings", "Quillhour Settings", 329, true},
      {1, "About Quillhour", "About Quillhour", 124, true},
  };
  const auto& controls = bar->controls().all();
  ASSERT_EQ(controls.size(), std::size(expected));
  for (size_t i = 0; i < controls.size(); ++i) {
    SCOPED_TRACE(expected[i].caption);
    sim::CommandBarControl& control = *controls[i];
    EXPECT_EQ(control.type(), expected[i].type);
    EXPECT_EQ(control.caption(), expected[i].caption);
    EXPECT_EQ(control.tooltipText(), expected[i].tooltip);
    EXPECT_EQ(control.beginGroup(), expected[i].beginGroup);
    EXPECT_TRUE(control.usable());
    EXPECT_EQ(control.get("Tag").toString(), "");
    EXPECT_EQ(control.get("OnAction").toString(), "");
    if (auto* button = dynamic_cast<sim::CommandBarButton*>(&control)) {
      EXPECT_EQ(button->faceId(), expected[i].faceId);
      EXPECT_EQ(button->style(), 3);
    }
  }
  Ref<sim::CommandBarComboBox> box = tagBox(*explorer);
  EXPECT_EQ(box->style(), 1);
  EXPECT_EQ(box->width(), 200);
  EXPECT_EQ(box->entries(), (Messages{"Support", "Admin"}));
  EXPECT_EQ(box->text(), "");
}

TEST_F(ExplorerBar, EachWindowHasItsOwnBarAndClosingOneRemovesOnlyThatBar) {
  Ref<Explorer> first = outlook().openExplorer(calendar());
  Ref<Explorer> second = outlook().openExplorer(calendar());
  startAddin();
  Ref<sim::CommandBar> firstBar = quillhourBar(*first);
  Ref<sim::CommandBar> secondBar = quillhourBar(*second);
  ASSERT_TRUE(firstBar && secondBar);
  EXPECT_NE(firstBar.get(), secondBar.get());

  Ref<Explorer> third = outlook().openExplorer(outlook().folder(sim::outlook::kFolderInbox));
  EXPECT_EQ(quillhourBarCount(*third), 1) << "a window opened later gets its bar too";
  EXPECT_FALSE(barShown(*third));

  outlook().closeExplorer(*first);
  EXPECT_TRUE(firstBar->isDeleted());
  EXPECT_FALSE(secondBar->isDeleted());
  EXPECT_EQ(secondBar->controls().all().size(), 5u);
  EXPECT_TRUE(barShown(*second));

  host().quit();
  EXPECT_TRUE(secondBar->isDeleted()) << "shutdown removes every remaining bar";
  EXPECT_EQ(quillhourBarCount(*third), 0);
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(ExplorerBar, TakesOverABarAndControlsAlreadyThereAndAddsOnlyWhatIsMissing) {
  storeTagList("Support; Admin");
  Ref<Explorer> explorer = outlook().openExplorer(calendar());
  Ref<Object> bars = explorer->commandBars();
  Ref<Object> bar = bars->getObject("Add", "Quillhour", 4, false, false);
  Ref<Object> box = bar->getObject("Controls")->getObject("Add", 4);
  box->put("Caption", "Tag:");
  box->put("Width", 90);
  box->call("AddItem", "Left over");
  Ref<Object> settings = bar->getObject("Controls")->getObject("Add", 1);
  settings->put("Caption", "Settings");
  settings->put("FaceId", 59);

  startAddin();
  ASSERT_EQ(quillhourBarCount(*explorer), 1);
  ASSERT_EQ(quillhourBar(*explorer).get(), bar.get());
  EXPECT_EQ(quillhourBar(*explorer)->protection(), 25);
  EXPECT_TRUE(barShown(*explorer));
  EXPECT_EQ(tagBox(*explorer)->entries(), Messages{"Left over"}) << "a found box is not refilled";
  EXPECT_EQ(tagBox(*explorer)->width(), 90);
  EXPECT_EQ(barButton(*explorer, "Settings")->faceId(), 59);
  EXPECT_FALSE(barButton(*explorer, "Settings")->beginGroup());

  Messages captions;
  for (const auto& control : quillhourBar(*explorer)->controls().all())
    captions.push_back(control->caption());
  EXPECT_EQ(captions,
            (Messages{"Tag:", "Settings", "New Time", "Export Times", "About Quillhour"}));
  EXPECT_EQ(barButton(*explorer, "New Time")->faceId(), 2145);

  // The taken-over controls are the wrapper's own now: they answer to it.
  outlook().select(*explorer, {addTime("Review", "Admin")});
  EXPECT_EQ(tagBox(*explorer)->text(), "Admin");
}

TEST_F(ExplorerBar, TracesTheWindowsEventsInTheLog) {
  Ref<Explorer> explorer = startOnCalendar();
  Time review = addTime("Review");
  outlook().activate(*explorer);
  outlook().select(*explorer, {review});
  outlook().switchFolder(*explorer, outlook().folder(sim::outlook::kFolderInbox));
  outlook().closeExplorer(*explorer);
  EXPECT_EQ(logMessages(),
            (Messages{"Addin Startup", "Explorer Explorer_Activate",
                      "Explorer Explorer_SelectionChange", "Explorer Explorer_FolderSwitch",
                      "Explorer Explorer_SelectionChange", "Explorer Explorer_Close"}));
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

}  // namespace
}  // namespace qh::testing
