// "New Time" and "Export Times" on an explorer's bar, and their failures, which go back to
// Office as the failure of the button's Click.
#include "hosts/sim/outlook/ItemWindows.h"
#include "tests/support/AddinHostTest.h"
#include "tests/support/HostWindows.h"

namespace qh::testing {
namespace {

using ExplorerButtons = AddinHostTest;

std::string exportLabel(Object& dialog) {
  return dialog.getObject("LabelExportingFrom")->get("Caption").toString();
}

TEST_F(ExplorerButtons, NewTimeOpensABlankAppointmentInAnInspectorOfItsOwn) {
  auto explorer = outlook().openExplorer(calendar());
  startAddin();
  barButton(*explorer, "New Time")->click();

  const auto& windows = outlook().application().inspectors().windows();
  ASSERT_EQ(windows.size(), 1u);
  const sim::outlook::Item& item = windows.front()->item();
  EXPECT_EQ(item.objectClass(), sim::outlook::kClassAppointment);
  EXPECT_EQ(item.value("Subject").toString(), "");
  EXPECT_EQ(item.value("Categories").toString(), "");
  EXPECT_EQ(item.value("Body").toString(), "");
  EXPECT_FALSE(item.stored()) << "nothing is saved until the user saves it";
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(ExplorerButtons, ExportTimesShowsOneSharedDialogForTheFolderEachWindowShows) {
  sim::outlook::Folder& lookalike = outlook().addFolder(outlook().folder(6), "Calendar");
  auto first = outlook().openExplorer(calendar());
  auto second = outlook().openExplorer(lookalike);
  startAddin();

  barButton(*first, "Export Times")->click();
  Ref<Object> dialog = system().forms().find("Quillhour Export");
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->get("Visible").toBool());
  EXPECT_EQ(exportLabel(*dialog), "Exporting from: Mailbox - User/Calendar");

  barButton(*second, "Export Times")->click();
  EXPECT_EQ(dialogsCaptioned(system(), "Quillhour Export"), 1);
  EXPECT_EQ(exportLabel(*dialog), "Exporting from: Inbox/Calendar");
}

TEST_F(ExplorerButtons, FailuresOfNewTimeAndExportTimesGoBackToTheButton) {
  auto explorer = outlook().openExplorer(calendar());
  startAddin();
  outlook().application().failOn("CreateItem", "No appointment today.", sim::FaultMode::Once);
  barButton(*explorer, "New Time")->click();
  explorer->failOn("CurrentFolder", "The folder is gone.", sim::FaultMode::Once);
  barButton(*explorer, "Export Times")->click();

  EXPECT_EQ(eventFailures(), (std::vector<std::string>{"Click: No appointment today.",
                                                       "Click: The folder is gone."}));
  EXPECT_TRUE(outlook().application().inspectors().windows().empty());
  Ref<Object> dialog = system().forms().find("Quillhour Export");
  EXPECT_FALSE(dialog && system().forms().isVisible(*dialog));
}

}  // namespace
}  // namespace qh::testing
