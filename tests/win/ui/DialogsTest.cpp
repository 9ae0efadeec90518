// The add-in's dialogs as windows: every child where its model says, the tab order, closing
// from the frame, and the log window's part in the alert on old Outlook versions.
#include <algorithm>
#include <cstdlib>
#include <set>

#include "about/AboutForm.h"
#include "core/MainForm.h"
#include "export/ExportForm.h"
#include "hosts/sim/system/SimSystem.h"
#include "hosts/win/automation/WideText.h"
#include "settings/SettingsForm.h"
#include "tests/support/LogLines.h"
#include "tests/win/ui/DesktopTest.h"

namespace qh::testing {
namespace {

using namespace qh::win::test;
using Tags = std::vector<std::string>;

using Dialogs = DesktopTest;

constexpr int kFirstId = 1000;  // the face's control ids: 1000 + the control's index

std::wstring windowClassOf(const forms::Control& c) {
  const std::string kind = c.kind();
  if (kind == "Label" || kind == "Picture" || kind == "Line") return L"Static";
  if (kind == "TextBox") return L"Edit";
  if (kind == "CommandButton" || kind == "CheckBox" || kind == "Frame") return L"Button";
  if (kind == "DTPicker") return DATETIMEPICK_CLASSW;
  return win::widen(kind);  // ComboBox, ListBox
}

bool takesTab(const forms::Control& c) {
  static const std::set<std::string> kinds{"TextBox",  "CommandButton", "CheckBox",
                                           "ComboBox", "ListBox",       "DTPicker"};
  return kinds.count(c.kind()) > 0;
}

int pixels(int twips, int dpi) {
  return MulDiv(twips, dpi, 1440);
}

// Every control of the model is a child of the dialog, of its kind's class, at its place
// within a pixel; the client area is the model's; Tab and Shift+Tab walk the model's order
// (in a dialog that is shown, as only such a one has the keyboard).
void expectDrawnAsModelled(HWND dialog, const forms::Form& model, bool walkTabs = true) {
  HDC screen = GetDC(nullptr);
  const int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  // Run once more at a display's scaled resolution (high-dpi-test.sh): make sure it is that one.
  if (const char* wanted = std::getenv("QH_EXPECT_DPI")) {
    ASSERT_EQ(dpiX, std::atoi(wanted));
    ASSERT_EQ(dpiY, std::atoi(wanted));
  }
  const std::string name = model.caption();
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_NEAR(client.right, pixels(model.clientWidth(), dpiX), 1) << name;
  EXPECT_NEAR(client.bottom, pixels(model.clientHeight(), dpiY), 1) << name;

  std::vector<const forms::Control*> tabOrder;
  for (size_t i = 0; i < model.controls().size(); ++i) {
    const forms::Control& c = *model.controls()[i];
    HWND window = GetDlgItem(dialog, kFirstId + static_cast<int>(i));
    ASSERT_TRUE(window) << name << ": " << c.name();
    EXPECT_EQ(_wcsicmp(classOf(window).c_str(), windowClassOf(c).c_str()), 0)
        << name << ": " << c.name() << " is a " << win::narrow(classOf(window));
    const RECT at = placeIn(window);
    const forms::Rect& r = c.rect();
    EXPECT_NEAR(at.left, pixels(r.left, dpiX), 1) << name << ": " << c.name();
    EXPECT_NEAR(at.top, pixels(r.top, dpiY), 1) << name << ": " << c.name();
    const auto* label = dynamic_cast<const forms::Label*>(&c);
    if (label && label->autoSize())
      EXPECT_GE(at.right - at.left, pixels(r.width, dpiX) - 1) << name << ": " << c.name();
    else
      EXPECT_NEAR(at.right - at.left, std::max(1, pixels(r.width, dpiX)), 1)
          << name << ": " << c.name();
    EXPECT_NEAR(at.bottom - at.top, std::max(1, pixels(r.height, dpiY)), 1)
        << name << ": " << c.name();
    if (takesTab(c)) tabOrder.push_back(&c);
  }
  std::stable_sort(tabOrder.begin(), tabOrder.end(),
                   [](auto* a, auto* b) { return a->tabIndex() < b->tabIndex(); });
  const auto idOf = [&](const forms::Control* c) {
    const auto& all = model.controls();
    return kFirstId + static_cast<int>(std::find(all.begin(), all.end(), c) - all.begin());
  };
  const auto focusedId = [&] {
    HWND focus = GetFocus();
    while (focus && GetParent(focus) != dialog) focus = GetParent(focus);  // a combo's edit
    return focus ? GetDlgCtrlID(focus) : 0;
  };
  ASSERT_FALSE(tabOrder.empty()) << name;
  if (!walkTabs) return;
  SetFocus(GetDlgItem(dialog, idOf(tabOrder.front())));
  for (size_t step = 1; step <= tabOrder.size(); ++step) {
    press(VK_TAB);
    EXPECT_EQ(focusedId(), idOf(tabOrder[step % tabOrder.size()]))
        << name << ": Tab number " << step;
  }
  press(VK_TAB, true);
  EXPECT_EQ(focusedId(), idOf(tabOrder.back())) << name << ": Shift+Tab";
}

TEST_F(Dialogs, EveryControlStandsWhereItsModelSaysAndTabWalksTheTabOrder) {
  storeTagList("Alpha; Gamma");
  Ref<Explorer> explorer = startOnCalendar();
  sim::SimSystem models;  // the same dialogs' models, for their layout

  pressBarButton(*explorer, "Export Times");
  expectDrawnAsModelled(dialog(L"Quillhour Export"), *makeRef<exporting::ExportForm>(models));
  pressBarButton(*explorer, "Settings");
  expectDrawnAsModelled(dialog(L"Quillhour Settings"), *makeRef<settings::SettingsForm>(models));
  pressBarButton(*explorer, "About Quillhour");
  auto about = makeRef<about::AboutForm>(models);
  about->setCaption("About Quillhour");
  expectDrawnAsModelled(dialog(L"About Quillhour"), *about);
  HWND log = dialog(L"Quillhour", false);
  ASSERT_TRUE(log);
  expectDrawnAsModelled(log, *makeRef<core::MainForm>(models), false);
}

TEST_F(Dialogs, ClosingFromTheFrameUnloadsWithoutAnyEvent) {
  Time settings = storeTagList("Admin");
  Ref<Explorer> explorer = startOnCalendar();

  // The export dialog comes back with its defaults.
  pressBarButton(*explorer, "Export Times");
  HWND exportDialog = dialog(L"Quillhour Export");
  ASSERT_TRUE(exportDialog);
  click(child(exportDialog, L"Button", L"Include all day events"));
  pick(children(exportDialog, DATETIMEPICK_CLASSW).at(0), Date::fromParts(2026, 12, 2));
  closeFromFrame(exportDialog);
  EXPECT_FALSE(IsWindow(exportDialog));
  pressBarButton(*explorer, "Export Times");
  exportDialog = dialog(L"Quillhour Export");
  ASSERT_TRUE(exportDialog);
  EXPECT_EQ(
      SendMessageW(child(exportDialog, L"Button", L"Include all day events"), BM_GETCHECK, 0, 0),
      BST_UNCHECKED);
  EXPECT_EQ(pickedDate(children(exportDialog, DATETIMEPICK_CLASSW).at(0)),
            Date::fromParts(2026, 11, 30));

  // The settings dialog neither saves nor cancels.
  pressBarButton(*explorer, "Settings");
  HWND settingsDialog = dialog(L"Quillhour Settings");
  ASSERT_TRUE(settingsDialog);
  HWND text = children(settingsDialog, L"Edit").at(0);
  SetFocus(text);
  type(text, L"Unsaved");
  press(VK_RETURN);
  press(VK_ESCAPE);
  EXPECT_TRUE(IsWindowVisible(settingsDialog)) << "Escape: no cancel button";
  closeFromFrame(settingsDialog);
  EXPECT_FALSE(IsWindow(settingsDialog));
  EXPECT_EQ(settings->saveCount(), 0);
  EXPECT_EQ(tagBox(*explorer)->entries(), Tags{"Admin"});
  EXPECT_EQ(withoutTraces(logWindowMessages()), Tags{}) << "not even Cancel's log line";

  // The About box goes; the log window goes with its lines, and the next line starts afresh.
  pressBarButton(*explorer, "About Quillhour");
  closeFromFrame(dialog(L"About Quillhour"));
  EXPECT_FALSE(findDialog(L"About Quillhour"));
  HWND log = dialog(L"Quillhour", false);
  closeFromFrame(log);
  EXPECT_FALSE(IsWindow(log));
  outlook().activate(*explorer);
  EXPECT_EQ(logWindowMessages(), Tags{"Explorer Explorer_Activate"});
  EXPECT_FALSE(IsWindowVisible(findDialog(L"Quillhour")));
}

TEST_F(Dialogs, TheLogWindowIsHiddenUntilAnOldOutlooksAlertShowsItsLines) {
  Time settings = storeTagList("Support");
  outlook().setVersion("9.0.0.0");
  startOnCalendar();
  HWND log = dialog(L"Quillhour", false);
  ASSERT_TRUE(log);
  EXPECT_FALSE(IsWindowVisible(log)) << "lines are written to a hidden window";
  ASSERT_FALSE(logWindowMessages().empty());
  EXPECT_EQ(logWindowMessages().front(), "Addin Startup");

  // The first alert's user hides the window with its button; the next alert shows it again,
  // with the same lines and more.
  std::vector<std::vector<std::string>> linesDuringBox;
  system().whileMessageBoxShows([&](const sim::SimSystem::MessageBoxCall&) {
    EXPECT_TRUE(IsWindowVisible(log)) << "the alert's backdrop";
    linesDuringBox.push_back(logWindowMessages());
    if (linesDuringBox.size() == 1) click(child(log, L"Button", L"Hide window"));
  });
  EXPECT_FALSE(outlook().send(*settings));
  EXPECT_FALSE(IsWindowVisible(log));
  EXPECT_FALSE(outlook().send(*settings));
  EXPECT_FALSE(IsWindowVisible(log)) << "hidden again afterwards";
  ASSERT_EQ(linesDuringBox.size(), 2u);
  EXPECT_EQ(linesDuringBox[0].back(), "Addin: Prohibited Quillhour Settings to be sent");
  const std::vector<std::string>& later = linesDuringBox[1];
  EXPECT_TRUE(std::search(later.begin(), later.end(), linesDuringBox[0].begin(),
                          linesDuringBox[0].end()) != later.end());
  EXPECT_EQ(later.size(), linesDuringBox[0].size() + 2);
}

}  // namespace
}  // namespace qh::testing
