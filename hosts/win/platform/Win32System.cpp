#include "hosts/win/platform/Win32System.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "automation/Error.h"
#include "automation/Object.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/platform/LocaleCompare.h"
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

// A whole value as RegQueryValueExA reads it. Asked without a buffer, the function may
// answer more than the value needs (the size of its stored UTF-16 form), and the value may
// grow between the two calls: ask again until it fits.
LONG readAnsiValue(HKEY key, const std::string& name, DWORD& type,
                   std::vector<std::uint8_t>& value) {
  DWORD size = 0;
  LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
  for (int attempt = 0; rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA; ++attempt) {
    value.resize(size);
    rc = RegQueryValueExA(key, name.c_str(), nullptr, &type, value.data(), &size);
    if (rc == ERROR_SUCCESS) {
      value.resize(size);
      return rc;
    }
    if (attempt == 3) break;
  }
  return rc;
}

// Text the A function gave in the ANSI code page, as UTF-8. Terminators stay, as zeros.
std::vector<std::uint8_t> utf8OfAnsi(const std::vector<std::uint8_t>& ansi) {
  const std::string_view text(reinterpret_cast<const char*>(ansi.data()), ansi.size());
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  std::wstring wide(static_cast<size_t>(length), L'\0');
  wide.resize(static_cast<size_t>(
      MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), length)));
  const std::string utf8 = narrow(wide);
  return std::vector<std::uint8_t>(utf8.begin(), utf8.end());
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

int Win32System::compareText(const std::string& a, const std::string& b) {
  return compareInLocale(LOCALE_NAME_USER_DEFAULT, a, b);
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

// RegQueryValueExA, with text converted from the ANSI code page to UTF-8, the add-in's text.
// The size answered is the converted value's, so a text whose UTF-8 form is longer than its
// ANSI form may no longer fit a buffer the ANSI form would have filled: that answers
// ERROR_MORE_DATA, never a text cut in the middle of a character.
long Win32System::regQueryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                                std::uint8_t* data, std::uint32_t& size) {
  DWORD valueType = REG_NONE;
  std::vector<std::uint8_t> value;
  const LONG rc = readAnsiValue(handleOf(key), toAnsi(name), valueType, value);
  type = valueType;
  if (rc != ERROR_SUCCESS) return rc;
  if (isStringType(valueType)) value = utf8OfAnsi(value);
  const std::uint32_t room = size;
  size = static_cast<std::uint32_t>(value.size());
  if (!data) return ERROR_SUCCESS;
  if (value.size() > room) return ERROR_MORE_DATA;
  std::copy(value.begin(), value.end(), data);
  return ERROR_SUCCESS;
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
