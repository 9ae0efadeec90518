#include "hosts/win/platform/Win32System.h"

#include <windows.h>

#include <shellapi.h>

#include "automation/Error.h"
#include "automation/Object.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/platform/ModulePath.h"
#include "hosts/win/platform/SystemTime.h"

namespace qh::win {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

// The predefined keys are 32-bit values sign-extended into a handle, as winreg.h defines them.
HKEY handleOf(RegistryRoot root) {
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY handleOf(RegistryKey key) {
  return reinterpret_cast<HKEY>(key);
}

// Runs one of the W functions that answer the buffer length they need when given none.
template <class Fill>
std::string fetchText(Fill fill) {
  const int needed = fill(nullptr, 0);
  if (needed <= 0) return {};
  std::wstring text(static_cast<size_t>(needed), L'\0');
  const int written = fill(text.data(), needed);
  text.resize(written > 0 ? static_cast<size_t>(written - 1) : 0);  // less the terminator
  return narrow(text);
}

std::string localeInfo(LCTYPE item) {
  return fetchText([item](wchar_t* buffer, int size) {
    return GetLocaleInfoW(LOCALE_USER_DEFAULT, item, buffer, size);
  });
}

bool isStringType(std::uint32_t type) {
  return type == platform::kRegSz || type == platform::kRegExpandSz ||
         type == platform::kRegMultiSz;
}

}  // namespace

Win32System::Win32System() : Win32System(processMessageBox()) {}

Win32System::Win32System(MessageBoxFn messageBox) : messageBox_(std::move(messageBox)) {}

Win32System::~Win32System() = default;

Date Win32System::now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  st.wMilliseconds = 0;
  double serial = 0;
  SystemTimeToVariantTime(&st, &serial);
  return Date(serial);
}

std::string Win32System::shortDate(Date d) {
  const SYSTEMTIME st = systemTimeOf(d);
  return fetchText([&st](wchar_t* buffer, int size) {
    return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, size);
  });
}

std::string Win32System::longTime(Date d) {
  const SYSTEMTIME st = systemTimeOf(d);
  return fetchText([&st](wchar_t* buffer, int size) {
    return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buffer, size);
  });
}

std::string Win32System::timeSeparator() {
  return localeInfo(LOCALE_STIME);
}

std::string Win32System::amDesignator() {
  return localeInfo(LOCALE_S1159);
}

std::string Win32System::pmDesignator() {
  return localeInfo(LOCALE_S2359);
}

int Win32System::messageBox(const std::string& text, const std::string& title,
                            platform::MessageButtons buttons, platform::MessageIcon icon) {
  // The enumerations carry the MB_ values.
  const UINT style = static_cast<UINT>(buttons) | static_cast<UINT>(icon);
  const int answer = messageBox_(widen(text), widen(title), style);
  return answer == IDOK ? platform::kAnswerOk : platform::kAnswerCancel;
}

long Win32System::regOpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                             std::uint32_t access, RegistryKey& key) {
  HKEY opened = nullptr;
  const LONG rc = RegOpenKeyExA(handleOf(root), toAnsi(subKey).c_str(), options, access, &opened);
  key = rc == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(opened) : 0;
  return rc;
}

long Win32System::regQueryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                                std::uint8_t* data, std::uint32_t& size) {
  DWORD valueType = REG_NONE;
  DWORD valueSize = size;
  const LONG rc =
      RegQueryValueExA(handleOf(key), toAnsi(name).c_str(), nullptr, &valueType, data, &valueSize);
  type = valueType;
  size = valueSize;
  return rc;
}

long Win32System::regCloseKey(RegistryKey key) {
  return RegCloseKey(handleOf(key));
}

// Registration writes through the W functions, so that a module path outside the ANSI code
// page is stored exactly.
long Win32System::regSetValue(RegistryRoot root, const std::string& subKey, const std::string& name,
                              std::uint32_t type, const std::string& data) {
  const std::wstring key = widen(subKey);
  const std::wstring valueName = widen(name);
  if (isStringType(type)) {
    const std::wstring text = widen(data);
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(handleOf(root), key.c_str(), valueName.c_str(), type, text.c_str(),
                           bytes);
  }
  return RegSetKeyValueW(handleOf(root), key.c_str(), valueName.c_str(), type, data.data(),
                         static_cast<DWORD>(data.size()));
}

long Win32System::regDeleteTree(RegistryRoot root, const std::string& subKey) {
  // An empty path would delete everything below the root.
  if (subKey.empty()) return ERROR_INVALID_PARAMETER;
  return RegDeleteTreeW(handleOf(root), widen(subKey).c_str());
}

bool Win32System::fileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void Win32System::startProgram(const std::string& path, int windowState) {
  std::wstring commandLine = L"\"" + widen(path) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(windowState);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    throw Error(ErrorCode::FileNotFound);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

std::int32_t Win32System::shellOpen(const std::string& target, int showCommand) {
  const HINSTANCE result =
      ShellExecuteA(nullptr, "open", toAnsi(target).c_str(), nullptr, nullptr, showCommand);
  return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

std::string Win32System::moduleFolder() {
  return narrow(folderOf(thisModulePath()));
}

void Win32System::formLoaded(Object& form) {
  windows_.loaded(form);
}

void Win32System::formShown(Object& form) {
  windows_.shown(form);
}

void Win32System::formHidden(Object& form) {
  windows_.hidden(form);
}

void Win32System::formUnloaded(Object& form) {
  windows_.unloaded(form);
}

}  // namespace qh::win
