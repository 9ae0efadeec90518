#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace qh::win {

// How Win32System shows a message box: MessageBoxW's arguments and answer (IDOK, IDCANCEL).
using MessageBoxFn =
    std::function<int(const std::wstring& text, const std::wstring& title, UINT style)>;

// A message box that nobody has to press: it answers with a fixed button and, when given a
// file, appends one line per box to it, "<style>\t<title>\t<text>" in UTF-8 with the style as
// a decimal number of MB_ flags. Tests under Wine use it, where no one sits at the screen.
//
// The environment switches it on for a whole process (the add-in's DLL inside a test host):
//   QH_MESSAGEBOX_ANSWER  1 (OK) or 2 (Cancel): every box answers so without being shown
//   QH_MESSAGEBOX_LOG     the file that records the boxes (optional)
class ScriptedMessageBox {
 public:
  ScriptedMessageBox(int answer, std::wstring logFile);

  int operator()(const std::wstring& text, const std::wstring& title, UINT style) const;

  // The scripted box the environment asks for, or nothing.
  static std::optional<ScriptedMessageBox> fromEnvironment();

 private:
  int answer_;
  std::wstring logFile_;
};

// The message box of this process: MessageBoxW, or the scripted one the environment asks for.
MessageBoxFn processMessageBox();

}  // namespace qh::win
