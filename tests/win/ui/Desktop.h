#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "automation/Date.h"

// The real desktop as a UI-automation tool sees it: windows found by class and caption,
// driven by the messages a user's keyboard and mouse produce. The message loop here is a
// host's that knows nothing of dialogs (no IsDialogMessage), as Outlook's.
namespace qh::win::test {

// Takes every waiting message off the queue and dispatches it.
void pump();
// Pumps until done() holds or the time (in milliseconds) passed; answers done().
bool pumpUntil(const std::function<bool()>& done, int timeout = 5000);

// A top-level dialog window of this process with the caption, shown or hidden, or null.
HWND findDialog(const std::wstring& caption);
// The direct children of a window of a class ("Button", "Edit", ...), in z-order.
std::vector<HWND> children(HWND parent, const std::wstring& className);
// The child of a class with the text, or null.
HWND child(HWND parent, const std::wstring& className, const std::wstring& text);
std::wstring textOf(HWND window);
std::wstring classOf(HWND window);
// A window's place in its parent's client area.
RECT placeIn(HWND window);

// A list box's or combo box's entries.
std::vector<std::wstring> listEntries(HWND list);
std::vector<std::wstring> comboEntries(HWND combo);

// The user's actions.
void click(HWND button);
// Typed characters: WM_CHAR for each, through the queue.
void type(HWND window, const std::wstring& text);
// A key pressed and released on the window with the focus (WM_KEYDOWN, WM_KEYUP through the
// queue), Shift held down if asked.
void press(UINT key, bool shift = false);
// Chooses an entry of a combo box's list (CB_SETCURSEL and the notification it sends when the
// user does it).
void choose(HWND combo, int index);
// Selects the entries of an extended-selection list box, as Ctrl+clicks do.
void select(HWND list, const std::vector<int>& entries);
// Picks a day in a date picker (DTM_SETSYSTEMTIME and DTN_DATETIMECHANGE).
void pick(HWND picker, Date day);
Date pickedDate(HWND picker);
// Closes a window from its frame.
void closeFromFrame(HWND window);

}  // namespace qh::win::test
