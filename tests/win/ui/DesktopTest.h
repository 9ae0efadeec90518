#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "hosts/sim/excel/ExcelApplication.h"
#include "tests/support/ExplorerHostTest.h"
#include "tests/win/ui/Desktop.h"

namespace qh::testing {

// The add-in's DLL in the simulated Outlook, as the Windows scenarios run it, except that its
// forms are drawn by its own Win32 face on the real (virtual) desktop: a test finds and drives
// them only as real windows. Needs a display (xvfb-run); without one the test is skipped.
class DesktopTest : public ExplorerHostTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A Time of the calendar at start, an hour long.
  Time addTimeAt(const std::string& subject, Date start, const std::string& categories);
  // Presses a button of the explorer's bar (drawn by Office, so driven through the host).
  void pressBarButton(Explorer& explorer, const char* caption);
  // The dialog with the caption, which must be there (and shown, unless asked otherwise).
  HWND dialog(const std::wstring& caption, bool shown = true);
  // The log window's lines without their time stamps, read from its list.
  std::vector<std::string> logWindowMessages();

  // Every Excel the add-in started.
  std::vector<Ref<sim::ExcelApplication>> excels;
};

}  // namespace qh::testing
