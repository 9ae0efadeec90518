#include "tests/win/ui/DesktopTest.h"

#include <filesystem>

#include "hosts/sim/excel/ExcelOutput.h"
#include "hosts/win/automation/WideText.h"

namespace qh::testing {

using namespace qh::win::test;

void DesktopTest::SetUp() {
  SetEnvironmentVariableW(L"QH_LOCAL_FORMS", L"1");
  ExplorerHostTest::SetUp();
  HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
  if (!probe) GTEST_SKIP() << "no display to make windows on";
  DestroyWindow(probe);
  outlook().registerCreatable("Excel.Application", [this] {
    Ref<Object> made = sim::makeExcelApplication(
        sim::ExcelOptions{std::make_shared<sim::ExcelOutput>(std::filesystem::path())});
    excels.emplace_back(static_cast<sim::ExcelApplication*>(made.get()));
    return made;
  });
}

void DesktopTest::TearDown() {
  excels.clear();
  ExplorerHostTest::TearDown();
  pump();
  SetEnvironmentVariableW(L"QH_LOCAL_FORMS", nullptr);
}

DesktopTest::Time DesktopTest::addTimeAt(const std::string& subject, Date start,
                                         const std::string& categories) {
  sim::outlook::AppointmentItem::Fields fields;
  fields.subject = subject;
  fields.start = start;
  fields.durationMinutes = 60;
  fields.categories = categories;
  return outlook().addAppointment(calendar(), fields);
}

void DesktopTest::pressBarButton(Explorer& explorer, const char* caption) {
  Ref<sim::CommandBarButton> button = barButton(explorer, caption);
  ASSERT_TRUE(button) << caption;
  button->click();
  pump();
}

HWND DesktopTest::dialog(const std::wstring& caption, bool shown) {
  HWND found = findDialog(caption);
  EXPECT_TRUE(found) << win::narrow(caption);
  if (found && shown) {
    EXPECT_TRUE(IsWindowVisible(found)) << win::narrow(caption);
  }
  return found;
}

std::vector<std::string> DesktopTest::logWindowMessages() {
  std::vector<std::string> messages;
  HWND window = findDialog(L"Quillhour");
  if (!window) return messages;
  for (const std::wstring& line : listEntries(children(window, L"ListBox").at(0))) {
    const std::string text = win::narrow(line);
    const size_t at = text.find(": ");
    messages.push_back(at == std::string::npos ? text : text.substr(at + 2));
  }
  return messages;
}

}  // namespace qh::testing
