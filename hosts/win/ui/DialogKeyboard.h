#pragma once

#include <windows.h>

#include <vector>

namespace qh::win {

// Tab, Shift+Tab, Enter, Escape and access keys in modeless dialogs inside a host whose
// message loop does not know them (Outlook's calls neither IsDialogMessage nor anything of
// ours). While it has dialogs, a WH_GETMESSAGE hook on the user-interface thread offers every
// keyboard message bound for one of them to IsDialogMessage and, when the dialog took it,
// turns the host's copy into WM_NULL. The hook goes with the last dialog, and at the latest
// with this object.
class DialogKeyboard {
 public:
  DialogKeyboard() = default;
  DialogKeyboard(const DialogKeyboard&) = delete;
  DialogKeyboard& operator=(const DialogKeyboard&) = delete;
  ~DialogKeyboard();

  void add(HWND dialog);
  void remove(HWND dialog);
  bool hooked() const { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK onMessage(int code, WPARAM removal, LPARAM message);

  HHOOK hook_ = nullptr;
  std::vector<HWND> dialogs_;
};

}  // namespace qh::win
