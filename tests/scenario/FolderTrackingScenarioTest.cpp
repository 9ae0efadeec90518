// Which folders show the explorer's bar, and what a failing step of a folder switch leaves.
#include "tests/support/ExplorerHostTest.h"

namespace qh::testing {
namespace {

using FolderTracking = ExplorerHostTest;
using Messages = std::vector<std::string>;
using sim::outlook::kFolderInbox;
using sim::outlook::kFolderOutbox;

// A fault on GetDefaultFolder for one folder number only.
sim::SimObject::FaultFilter forFolder(int number) {
  return
      [number](CallKind, const Args& args) { return !args.empty() && args[0].toInt32() == number; };
}

TEST_F(FolderTracking, ShowsTheBarOnTheDefaultCalendarOnly) {
  Ref<Explorer> explorer = outlook().openExplorer(outlook().folder(kFolderInbox));
  startAddin();
  ASSERT_TRUE(quillhourBar(*explorer));
  EXPECT_FALSE(barShown(*explorer));

  outlook().switchFolder(*explorer, calendar());
  EXPECT_TRUE(barShown(*explorer));
  outlook().switchFolder(*explorer, outlook().folder(kFolderOutbox));
  EXPECT_FALSE(barShown(*explorer));
  outlook().switchFolder(*explorer, calendar());
  EXPECT_TRUE(barShown(*explorer));
  outlook().switchFolder(*explorer, outlook().folder(kFolderInbox));
  EXPECT_FALSE(barShown(*explorer));

  Folder& projects = outlook().addFolder(outlook().nameSpace().root(), "Project calendar");
  outlook().switchFolder(*explorer, projects);
  EXPECT_FALSE(barShown(*explorer)) << "another calendar is not the default one";
  EXPECT_EQ(quillhourBarCount(*explorer), 1) << "every switch reuses the one bar";
  EXPECT_TRUE(messagesTagged("cExplorer:").empty());
}

TEST_F(FolderTracking, AnotherFolderNamedLikeTheCalendarAlsoShowsTheBar) {
  Ref<Explorer> explorer = outlook().openExplorer(outlook().folder(kFolderInbox));
  startAddin();
  // Folders are compared by their default value, which is their name.
  Folder& namesake = outlook().addFolder(outlook().folder(kFolderInbox), calendar().name(),
                                         sim::outlook::kMailItem);
  outlook().switchFolder(*explorer, namesake);
  EXPECT_TRUE(barShown(*explorer));
}

TEST_F(FolderTracking, AFailedCalendarComparisonIsLoggedAndShowsTheBar) {
  Ref<Explorer> explorer = outlook().openExplorer(outlook().folder(kFolderInbox));
  startAddin();
  outlook().nameSpace().failOn("GetDefaultFolder", "The store is offline.", sim::FaultMode::Always,
                               forFolder(9));
  outlook().switchFolder(*explorer, outlook().folder(kFolderOutbox));
  EXPECT_TRUE(barShown(*explorer));
  EXPECT_EQ(messagesTagged("cExplorer:"),
            Messages{"cExplorer:OnFolderSwitchThe store is offline."});
}

TEST_F(FolderTracking, AFailedHideIsLoggedUnderEachProcedureAndTheSwitchGoesOn) {
  Ref<Explorer> explorer = startOnCalendar();
  quillhourBar(*explorer)->failOn("Visible", "Bar is locked", sim::FaultMode::Always,
                                  [](CallKind kind, const Args&) { return kind == CallKind::Put; });
  outlook().switchFolder(*explorer, outlook().folder(kFolderInbox));
  EXPECT_TRUE(barShown(*explorer)) << "the bar could not be hidden";
  EXPECT_EQ(messagesTagged("cExplorer:"), (Messages{"cExplorer:AddCommandBar:Bar is locked",
                                                    "cExplorer:OnFolderSwitchBar is locked"}));
}

}  // namespace
}  // namespace qh::testing
