#include "hosts/win/testhost/Regsvr32.h"

#include <windows.h>

#include <algorithm>

#include "automation/Error.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/WideText.h"

namespace qh::win {
namespace {

std::wstring systemProgram(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder, length) + L"\\" + name;
}

}  // namespace

int runRegsvr32(const std::string& modulePath, bool unregister) {
  std::wstring path = widen(modulePath);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  const std::wstring program = systemProgram(L"regsvr32.exe");
  std::wstring commandLine =
      L"\"" + program + L"\" /s " + (unregister ? L"/u " : L"") + L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process))
    throw errorFromHresult(HRESULT_FROM_WIN32(GetLastError()));
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(exitCode);
}

}  // namespace qh::win
