#include "tests/win/ui/Desktop.h"

#include "hosts/win/platform/SystemTime.h"

namespace qh::win::test {

void pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool pumpUntil(const std::function<bool()>& done, int timeout) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeout);
  for (;;) {
    pump();
    if (done()) return true;
    if (GetTickCount64() > deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

HWND findDialog(const std::wstring& caption) {
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", caption.c_str()); w;
       w = FindWindowExW(nullptr, w, L"#32770", caption.c_str())) {
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    if (process == GetCurrentProcessId()) return w;
  }
  return nullptr;
}

std::vector<HWND> children(HWND parent, const std::wstring& className) {
  std::vector<HWND> found;
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (_wcsicmp(classOf(w).c_str(), className.c_str()) == 0) found.push_back(w);
  return found;
}

HWND child(HWND parent, const std::wstring& className, const std::wstring& text) {
  return FindWindowExW(parent, nullptr, className.c_str(), text.c_str());
}

std::wstring textOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

RECT placeIn(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

namespace {

std::vector<std::wstring> entriesOf(HWND list, UINT count, UINT length, UINT get) {
  std::vector<std::wstring> entries;
  const auto n = static_cast<int>(SendMessageW(list, count, 0, 0));
  for (int i = 0; i < n; ++i) {
    std::wstring text(static_cast<size_t>(SendMessageW(list, length, i, 0)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(SendMessageW(list, get, i, reinterpret_cast<LPARAM>(text.data()))));
    entries.push_back(text);
  }
  return entries;
}

void notifyParent(HWND control, WORD code) {
  SendMessageW(GetParent(control), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code),
               reinterpret_cast<LPARAM>(control));
}

}  // namespace

std::vector<std::wstring> listEntries(HWND list) {
  return entriesOf(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::wstring> comboEntries(HWND combo) {
  return entriesOf(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

void click(HWND button) {
  SendMessageW(button, BM_CLICK, 0, 0);
  pump();
}

void type(HWND window, const std::wstring& text) {
  for (wchar_t c : text) PostMessageW(window, WM_CHAR, c, 1);
  pump();
}

void press(UINT key, bool shift) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  const BYTE wasShift = keys[VK_SHIFT];
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  HWND target = GetFocus();
  const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  PostMessageW(target, WM_KEYDOWN, key, 1 | (scan << 16));
  PostMessageW(target, WM_KEYUP, key, 1 | (scan << 16) | (1u << 30) | (1u << 31));
  pump();
  keys[VK_SHIFT] = wasShift;
  SetKeyboardState(keys);
}

void choose(HWND combo, int index) {
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  notifyParent(combo, CBN_SELCHANGE);
  pump();
}

void select(HWND list, const std::vector<int>& entries) {
  for (int i : entries) SendMessageW(list, LB_SETSEL, TRUE, i);
  notifyParent(list, LBN_SELCHANGE);
  pump();
}

void pick(HWND picker, Date day) {
  NMDATETIMECHANGE change{};
  change.nmhdr.hwndFrom = picker;
  change.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(picker));
  change.nmhdr.code = DTN_DATETIMECHANGE;
  change.dwFlags = GDT_VALID;
  change.st = systemTimeOf(day);
  SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&change.st));
  SendMessageW(GetParent(picker), WM_NOTIFY, change.nmhdr.idFrom,
               reinterpret_cast<LPARAM>(&change));
  pump();
}

Date pickedDate(HWND picker) {
  SYSTEMTIME st{};
  SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
  return dateOf(st);
}

void closeFromFrame(HWND window) {
  SendMessageW(window, WM_CLOSE, 0, 0);
  pump();
}

}  // namespace qh::win::test
