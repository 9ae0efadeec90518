// The user's stories on the real desktop: the dialogs are the add-in's own Win32 windows,
// found by class and caption and driven by the messages a user's mouse and keyboard send;
// what comes out is read from the simulated Outlook and Excel behind them.
#include "hosts/sim/excel/PivotCache.h"
#include "hosts/sim/excel/Workbook.h"
#include "hosts/sim/excel/Workbooks.h"
#include "hosts/sim/excel/Worksheet.h"
#include "hosts/sim/office/CTPFactory.h"
#include "hosts/sim/office/CustomTaskPane.h"
#include "hosts/sim/outlook/ItemWindow.h"
#include "hosts/sim/outlook/UserPropertyList.h"
#include "hosts/win/automation/DispatchObject.h"
#include "tests/win/AxHost.h"
#include "tests/win/ui/DesktopTest.h"

namespace qh::testing {
namespace {

using namespace qh::win::test;
using Lines = std::vector<std::wstring>;
using Tags = std::vector<std::string>;

using DesktopStories = DesktopTest;

TEST_F(DesktopStories, ExportAWeekWithPivotAndMarks) {
  storeTagList("Project; Support");
  Time early = addTimeAt("Kick-off", Date::fromParts(2026, 11, 30, 9, 0, 0), "Project");
  Time review = addTimeAt("Review", Date::fromParts(2026, 12, 1, 9, 0, 0), "Project");
  Time support = addTimeAt("Hotline", Date::fromParts(2026, 12, 4, 13, 0, 0), "Support");
  Ref<Explorer> explorer = startOnCalendar();
  pressBarButton(*explorer, "Export Times");

  HWND exportDialog = dialog(L"Quillhour Export");
  ASSERT_TRUE(exportDialog);
  EXPECT_TRUE(child(exportDialog, L"Static", L"Exporting from: Mailbox - User/Calendar"));
  const std::vector<HWND> pickers = children(exportDialog, DATETIMEPICK_CLASSW);
  ASSERT_EQ(pickers.size(), 2u);
  EXPECT_EQ(pickedDate(pickers[0]), Date::fromParts(2026, 11, 30)) << "a week before today";
  EXPECT_EQ(pickedDate(pickers[1]), Date::fromParts(2026, 12, 7));

  // A start after the end moves the end along, as the dialog keeps them in order.
  pick(pickers[0], Date::fromParts(2026, 12, 9));
  EXPECT_EQ(pickedDate(pickers[1]), Date::fromParts(2026, 12, 10));
  pick(pickers[0], Date::fromParts(2026, 12, 1));
  pick(pickers[1], Date::fromParts(2026, 12, 7));
  HWND mark = child(exportDialog, L"Button", L"Mark items as exported");
  HWND diagram = child(exportDialog, L"Button", L"Create Excel diagram ");
  ASSERT_TRUE(mark && diagram);
  click(mark);
  click(diagram);
  click(diagram);
  click(diagram);
  EXPECT_EQ(SendMessageW(mark, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(diagram, BM_GETCHECK, 0, 0), BST_CHECKED);
  click(child(exportDialog, L"Button", L"Export"));

  EXPECT_FALSE(IsWindowVisible(exportDialog)) << "the dialog hides for the run and stays loaded";
  ASSERT_EQ(excels.size(), 1u);
  EXPECT_TRUE(excels[0]->visible());
  sim::Workbook& book = *excels[0]->workbooks().list().at(0);
  sim::Worksheet* rows = book.findWorksheet("Quillhour");
  ASSERT_TRUE(rows);
  EXPECT_EQ(rows->cells().get(4, 4), sim::CellValue::ofText("Review"));
  EXPECT_EQ(rows->cells().get(5, 4), sim::CellValue::ofText("Hotline"));
  EXPECT_TRUE(rows->cells().get(6, 4).isEmpty()) << "the Time before the range is left out";
  ASSERT_EQ(book.pivotCaches().size(), 1u);
  EXPECT_EQ(book.pivotCaches()[0]->get("SourceData").toString(), "Quillhour!R3C3:R5C6");
  for (const Time& exported : {review, support})
    EXPECT_TRUE(exported->savedUserProperties().find("QuillhourExported"))
        << exported->value("Subject").toString();
  EXPECT_FALSE(early->savedUserProperties().find("QuillhourExported"));
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(DesktopStories, EditTheTagListAndSaveIt) {
  Time settings = storeTagList("Gamma; Alpha; Kilo");
  Ref<Explorer> explorer = startOnCalendar();
  pressBarButton(*explorer, "Settings");

  HWND settingsDialog = dialog(L"Quillhour Settings");
  ASSERT_TRUE(settingsDialog);
  HWND list = children(settingsDialog, L"ListBox").at(0);
  HWND text = children(settingsDialog, L"Edit").at(0);
  EXPECT_EQ(listEntries(list), (Lines{L"Alpha", L"Gamma", L"Kilo"}));

  // Typed and entered: the semicolon goes, the spaces are trimmed, the box is ready again.
  SetFocus(text);
  type(text, L" Project;X ");
  press(VK_RETURN);
  EXPECT_EQ(listEntries(list), (Lines{L"Alpha", L"Gamma", L"Kilo", L"ProjectX"}));
  EXPECT_EQ(textOf(text), L"");
  EXPECT_EQ(GetFocus(), text);
  type(text, L"beta");
  click(child(settingsDialog, L"Button", L"Add"));
  EXPECT_EQ(listEntries(list), (Lines{L"Alpha", L"beta", L"Gamma", L"Kilo", L"ProjectX"}));

  select(list, {2, 4});
  click(child(settingsDialog, L"Button", L"Delete"));
  EXPECT_EQ(listEntries(list), (Lines{L"Alpha", L"beta", L"Kilo"}));
  click(child(settingsDialog, L"Button", L"Save"));

  EXPECT_FALSE(IsWindow(settingsDialog)) << "a saved dialog is unloaded";
  EXPECT_EQ(settings->savedValue("Body").toString(), "Alpha; beta; Kilo");
  EXPECT_EQ(tagBox(*explorer)->entries(), (Tags{"Alpha", "beta", "Kilo"}));
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(DesktopStories, AboutShowsItselfTriesSystemInfoAndGoesWithEscapeOrEnter) {
  Ref<Explorer> explorer = startOnCalendar();
  pressBarButton(*explorer, "About Quillhour");
  pressBarButton(*explorer, "About Quillhour");
  HWND about = dialog(L"About Quillhour");
  ASSERT_TRUE(about);
  EXPECT_EQ(FindWindowExW(nullptr, about, L"#32770", L"About Quillhour"), nullptr)
      << "showing it twice gives one dialog";
  EXPECT_TRUE(child(about, L"Static", L"Quillhour"));
  EXPECT_TRUE(child(about, L"Static", L"Version 1.1.0"));
  EXPECT_TRUE(child(about, L"Static", L"Click here to open the User manual (need PDF Reader)"));

  HWND sysInfo = child(about, L"Button", L"&System Info...");
  click(sysInfo);
  ASSERT_EQ(system().messageBoxes().size(), 1u);
  EXPECT_EQ(system().messageBoxes()[0].text, "System Information Is Unavailable At This Time");
  EXPECT_TRUE(IsWindowVisible(about));
  ASSERT_EQ(GetFocus(), sysInfo);
  press(VK_ESCAPE);
  EXPECT_FALSE(IsWindow(about)) << "Escape presses OK, the cancel button";

  // Afresh, the focus is on OK, the first in the tab order, and Enter presses it.
  pressBarButton(*explorer, "About Quillhour");
  about = dialog(L"About Quillhour");
  ASSERT_TRUE(about);
  EXPECT_EQ(GetFocus(), child(about, L"Button", L"OK"));
  press(VK_RETURN);
  EXPECT_FALSE(IsWindow(about));
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(DesktopStories, ChooseATagInTheItemWindowsPaneAndSave) {
  storeTagList("Admin; Support");
  Time time = addTime("Review", "Admin");
  startOnCalendar();
  Ref<sim::outlook::ItemWindow> inspector = outlook().openInspector(*time);
  const auto panes = host().taskPanes()->panesOf(*inspector);
  ASSERT_EQ(panes.size(), 1u);
  auto* content = dynamic_cast<win::DispatchObject*>(panes[0]->contentControl());
  ASSERT_TRUE(content) << "the pane's control came through COM";

  // The task pane hosts the control the add-in filled.
  AxHost pane;
  ASSERT_TRUE(pane.ok());
  ASSERT_EQ(pane.attach(content->dispatch()), S_OK);
  HWND panel = pane.controlWindow();
  ASSERT_TRUE(panel);
  HWND combo = children(panel, L"ComboBox").at(0);
  EXPECT_TRUE(child(panel, L"Static", L"Tag:"));
  EXPECT_EQ(comboEntries(combo), (Lines{L"Admin", L"Support"}));
  EXPECT_EQ(textOf(combo), L"Admin");

  type(FindWindowExW(combo, nullptr, L"Edit", nullptr), L"Sup");
  EXPECT_EQ(time->value("Categories").toString(), "Admin") << "typing writes nothing";
  choose(combo, 1);
  EXPECT_EQ(time->value("Categories").toString(), "Support");
  EXPECT_EQ(time->savedValue("Categories").toString(), "Admin") << "saved only by the user";
  outlook().closeInspector(*inspector, sim::outlook::SaveMode::Save);
  EXPECT_EQ(time->savedValue("Categories").toString(), "Support");

  EXPECT_TRUE(host().taskPanes()->panesOf(*inspector).empty()) << "the pane went with its window";
  pane.close();
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

}  // namespace
}  // namespace qh::testing
