#include "hosts/win/platform/ScriptedMessageBox.h"

#include <filesystem>
#include <fstream>

#include "hosts/win/automation/WideText.h"

namespace qh::win {
namespace {

std::wstring environmentValue(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
  value.resize(length < size ? length : 0);
  return value;
}

}  // namespace

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
