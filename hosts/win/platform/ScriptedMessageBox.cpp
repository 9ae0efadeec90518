#include "hosts/win/platform/ScriptedMessageBox.h"

#include <filesystem>
#include <fstream>

#include "hosts/win/automation/WideText.h"
#include "hosts/win/platform/Environment.h"

namespace qh::win {

ScriptedMessageBox::ScriptedMessageBox(int answer, std::wstring logFile)
    : answer_(answer), logFile_(std::move(logFile)) {}

int ScriptedMessageBox::operator()(const std::wstring& text, const std::wstring& title,
                                   UINT style) const {
  if (!logFile_.empty()) {
    std::ofstream log(std::filesystem::path(logFile_), std::ios::app | std::ios::binary);
    log << style << '\t' << narrow(title) << '\t' << narrow(text) << '\n';
  }
  return answer_;
}

std::optional<ScriptedMessageBox> ScriptedMessageBox::fromEnvironment() {
  const std::wstring answer = environmentValue(L"QH_MESSAGEBOX_ANSWER");
  if (answer != L"1" && answer != L"2") return std::nullopt;
  return ScriptedMessageBox(answer == L"1" ? IDOK : IDCANCEL,
                            environmentValue(L"QH_MESSAGEBOX_LOG"));
}

MessageBoxFn processMessageBox() {
  if (auto scripted = ScriptedMessageBox::fromEnvironment()) return *scripted;
  return [](const std::wstring& text, const std::wstring& title, UINT style) {
    return MessageBoxW(nullptr, text.c_str(), title.c_str(), style);
  };
}

}  // namespace qh::win
