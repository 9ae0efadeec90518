// When Office refuses part of the explorer's bar: each failing step is logged, the rest is
// built, and what is missing is tried again at the next folder switch.
#include "tests/support/ExplorerHostTest.h"

namespace qh::testing {
namespace {

using ExplorerBarFaults = ExplorerHostTest;
using Messages = std::vector<std::string>;
using sim::outlook::kFolderInbox;

sim::SimObject& simObject(const Ref<Object>& object) {
  return dynamic_cast<sim::SimObject&>(*object);
}

std::vector<std::string> captionsOn(sim::CommandBar& bar) {
  std::vector<std::string> captions;
  for (const auto& control : bar.controls().all()) captions.push_back(control->caption());
  return captions;
}

TEST_F(ExplorerBarFaults, ABarThatCouldNotBeCreatedIsBuiltAtTheNextFolderSwitch) {
  storeTagList("Support");
  Ref<Explorer> explorer = outlook().openExplorer(calendar());
  simObject(explorer->commandBars()).failOn("Add", "Office refused the bar", sim::FaultMode::Once);
  startAddin();
  EXPECT_EQ(quillhourBarCount(*explorer), 0);
  // Every later step of the build finds no bar, and the selection finds no box; the log keeps
  // only the newest of those lines.
  const Messages log = logMessages();
  ASSERT_EQ(log.size(), 25u);
  EXPECT_EQ(log[22], "cExplorer:AddCommandBar:Object variable not set");
  EXPECT_EQ(log[23], "cExplorer:OnSelectionChangeObject variable not set");
  EXPECT_EQ(log[24], "cExplorer:OnSelectionChangeObject variable not set");

  outlook().switchFolder(*explorer, outlook().folder(kFolderInbox));
  outlook().switchFolder(*explorer, calendar());
  ASSERT_EQ(quillhourBarCount(*explorer), 1);
  EXPECT_TRUE(barShown(*explorer));
  EXPECT_EQ(captionsOn(*quillhourBar(*explorer)),
            (Messages{"New Time", "Tag:", "Export Times", "Settings", "About Quillhour"}));
  EXPECT_EQ(tagBox(*explorer)->entries(), Messages{"Support"});
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(ExplorerBarFaults, AControlThatCouldNotBeAddedIsLoggedStepByStepAndAddedLater) {
  storeTagList("Support");
  Ref<Explorer> explorer = outlook().openExplorer(calendar());
  // A bar left on the window, with no controls yet.
  Ref<Object> bar = explorer->commandBars()->getObject("Add", "Quillhour", 1, false, true);
  simObject(bar->getObject("Controls"))
      .failOn("Add", "Out of memory", sim::FaultMode::Once,
              [](CallKind, const Args& args) { return args.at(0).toInt32() == 4; });
  startAddin();

  const std::string notSet = "Object variable not set";
  EXPECT_EQ(
      messagesTagged("cExplorer:"),
      (Messages{"cExplorer:AddCommandBar:Out of memory",
                // BeginGroup, Caption, Width, TooltipText, Style, filling the list
                "cExplorer:AddCommandBar:" + notSet, "cExplorer:AddCommandBar:" + notSet,
                "cExplorer:AddCommandBar:" + notSet, "cExplorer:AddCommandBar:" + notSet,
                "cExplorer:AddCommandBar:" + notSet, "cExplorer:AddCommandBar:" + notSet,
                // the box's text and visibility
                "cExplorer:OnSelectionChange" + notSet, "cExplorer:OnSelectionChange" + notSet}));
  EXPECT_EQ(captionsOn(*quillhourBar(*explorer)),
            (Messages{"New Time", "Export Times", "Settings", "About Quillhour"}));

  outlook().switchFolder(*explorer, outlook().folder(kFolderInbox));
  EXPECT_EQ(captionsOn(*quillhourBar(*explorer)),
            (Messages{"New Time", "Export Times", "Settings", "About Quillhour", "Tag:"}));
  EXPECT_EQ(tagBox(*explorer)->entries(), Messages{"Support"});
  EXPECT_EQ(tagBox(*explorer)->width(), 200);
}

TEST_F(ExplorerBarFaults, AControlThatWillNotGoIsLoggedAndTheRestOfTheBarIsRemoved) {
  Ref<Explorer> explorer = startOnCalendar();
  Ref<sim::CommandBar> bar = quillhourBar(*explorer);
  Ref<sim::CommandBarButton> exportButton = barButton(*explorer, "Export Times");
  Ref<sim::CommandBarButton> about = barButton(*explorer, "About Quillhour");
  exportButton->failOn("Delete", "Control is in use");
  bar->recordCalls();
  about->recordCalls();

  outlook().closeExplorer(*explorer);
  EXPECT_EQ(messagesTagged("cExplorer:"), Messages{"cExplorer:RemoveCommandBar:Control is in use"});
  EXPECT_EQ(about->recordedCalls(), std::vector<std::string>{"Call Delete"})
      << "the controls after the failing one are deleted one by one";
  EXPECT_EQ(bar->recordedCalls().back(), "Call Delete") << "the bar itself went after";
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(ExplorerBarFaults, ABarThatWillNotGoIsLoggedAndTheWindowStillCloses) {
  Ref<Explorer> explorer = startOnCalendar();
  quillhourBar(*explorer)->failOn("Delete", "Bar is locked");
  outlook().closeExplorer(*explorer);
  EXPECT_EQ(messagesTagged("cExplorer:"), Messages{"cExplorer:RemoveCommandBar:Bar is locked"});
  EXPECT_TRUE(explorer->closed());
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();

  host().quit();
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

}  // namespace
}  // namespace qh::testing
