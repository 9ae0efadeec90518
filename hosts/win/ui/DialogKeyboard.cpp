#include "hosts/win/ui/DialogKeyboard.h"

#include <algorithm>
#include <utility>

namespace qh::win {
namespace {

// Marks a top-level window as one of our dialogs, for the hook, which has no state of its
// own to look in.
constexpr const wchar_t* kDialogMark = L"Quillhour.DialogKeyboard";

}  // namespace

DialogKeyboard::~DialogKeyboard() {
  for (HWND dialog : dialogs_) RemovePropW(dialog, kDialogMark);
  if (hook_) UnhookWindowsHookEx(hook_);
}

void DialogKeyboard::add(HWND dialog) {
  if (!dialog || std::find(dialogs_.begin(), dialogs_.end(), dialog) != dialogs_.end()) return;
  SetPropW(dialog, kDialogMark, dialog);
  dialogs_.push_back(dialog);
  if (!hook_)
    hook_ =
        SetWindowsHookExW(WH_GETMESSAGE, &DialogKeyboard::onMessage, nullptr, GetCurrentThreadId());
}

void DialogKeyboard::remove(HWND dialog) {
  const auto at = std::find(dialogs_.begin(), dialogs_.end(), dialog);
  if (at == dialogs_.end()) return;
  RemovePropW(dialog, kDialogMark);
  dialogs_.erase(at);
  if (dialogs_.empty() && hook_) UnhookWindowsHookEx(std::exchange(hook_, nullptr));
}

LRESULT CALLBACK DialogKeyboard::onMessage(int code, WPARAM removal, LPARAM message) {
  auto* msg = reinterpret_cast<MSG*>(message);
  // Only the copy that is taken off the queue: a peek that leaves it there comes back.
  if (code == HC_ACTION && removal == PM_REMOVE && msg->message >= WM_KEYFIRST &&
      msg->message <= WM_KEYLAST && msg->hwnd) {
    HWND dialog = GetAncestor(msg->hwnd, GA_ROOT);
    if (dialog && GetPropW(dialog, kDialogMark) && IsDialogMessageW(dialog, msg)) {
      msg->message = WM_NULL;
      msg->wParam = 0;
      msg->lParam = 0;
    }
  }
  return CallNextHookEx(nullptr, code, removal, message);
}

}  // namespace qh::win
