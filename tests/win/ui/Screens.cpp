// Not part of the suite: scripts/screens.sh runs it on a virtual display to keep a picture of
// every dialog and of the task pane's control, for people to look at. For each picture it
// names the window's place in <QH_SCREENS_DIR>\<name>.request and waits until the script has
// taken <name>.png from the display.
#include <filesystem>
#include <fstream>

#include "hosts/sim/office/CTPFactory.h"
#include "hosts/sim/office/CustomTaskPane.h"
#include "hosts/sim/outlook/ItemWindow.h"
#include "hosts/win/automation/DispatchObject.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/platform/Environment.h"
#include "tests/win/AxHost.h"
#include "tests/win/ui/DesktopTest.h"

namespace qh::testing {
namespace {

using namespace qh::win::test;

class Screens : public DesktopTest {
 protected:
  void SetUp() override {
    folder_ = win::environmentValue(L"QH_SCREENS_DIR");
    if (folder_.empty()) GTEST_SKIP() << "QH_SCREENS_DIR names no folder";
    DesktopTest::SetUp();
  }

  void picture(HWND window, const std::wstring& name) {
    ASSERT_TRUE(window) << win::narrow(name);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpUntil([] { return false; }, 300);  // let the display catch up
    RECT r{};
    GetWindowRect(window, &r);
    const std::wstring request = folder_ + L"\\" + name + L".request";
    {
      std::ofstream out(std::filesystem::path(request + L".part"));
      out << r.left << ' ' << r.top << ' ' << (r.right - r.left) << ' ' << (r.bottom - r.top)
          << '\n';
    }
    MoveFileW((request + L".part").c_str(), request.c_str());
    const std::wstring png = folder_ + L"\\" + name + L".png";
    EXPECT_TRUE(pumpUntil(
        [&] { return GetFileAttributesW(png.c_str()) != INVALID_FILE_ATTRIBUTES; }, 60000))
        << "no picture taken of " << win::narrow(name);
  }

 private:
  std::wstring folder_;
};

TEST_F(Screens, EveryDialogAndThePane) {
  Time settings = storeTagList("Admin; Development; Support; Travel");
  Time time = addTime("Review", "Support");
  outlook().setVersion("9.0.0.0");  // the log window shows behind an alert
  Ref<Explorer> explorer = startOnCalendar();

  pressBarButton(*explorer, "Export Times");
  HWND exportDialog = dialog(L"Quillhour Export");
  click(child(exportDialog, L"Button", L"Include non-Quillhour-tagged items"));
  click(child(exportDialog, L"Button", L"Mark items as exported"));
  picture(exportDialog, L"export");
  click(child(exportDialog, L"Button", L"Cancel"));

  pressBarButton(*explorer, "Settings");
  HWND settingsDialog = dialog(L"Quillhour Settings");
  select(children(settingsDialog, L"ListBox").at(0), {1});
  HWND text = children(settingsDialog, L"Edit").at(0);
  SetFocus(text);
  type(text, L"Marketing");
  picture(settingsDialog, L"settings");
  click(child(settingsDialog, L"Button", L"Cancel"));

  pressBarButton(*explorer, "About Quillhour");
  HWND about = dialog(L"About Quillhour");
  picture(about, L"about");
  press(VK_ESCAPE);

  HWND log = dialog(L"Quillhour", false);
  system().whileMessageBoxShows(
      [&](const sim::SimSystem::MessageBoxCall&) { picture(log, L"log"); });
  outlook().send(*settings);

  Ref<sim::outlook::ItemWindow> inspector = outlook().openInspector(*time);
  const auto panes = host().taskPanes()->panesOf(*inspector);
  ASSERT_EQ(panes.size(), 1u);
  AxHost pane(300, 90);
  ASSERT_EQ(pane.attach(dynamic_cast<win::DispatchObject&>(*panes[0]->contentControl()).dispatch()),
            S_OK);
  picture(pane.window(), L"pane");
  pane.close();
}

}  // namespace
}  // namespace qh::testing
