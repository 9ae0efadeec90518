#include "hosts/win/automation/WideText.h"

#include <windows.h>

#include <climits>

#include "automation/Error.h"

namespace qh::win {
namespace {

int checkedLength(size_t size) {
  if (size > static_cast<size_t>(INT_MAX)) throw Error(ErrorCode::Overflow);
  return static_cast<int>(size);
}

std::wstring toUtf16(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int length = checkedLength(text.size());
  const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  std::wstring out(static_cast<size_t>(needed), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), length, out.data(), needed);
  return out;
}

std::string fromUtf16(UINT codePage, std::wstring_view text) {
  if (text.empty()) return {};
  const int length = checkedLength(text.size());
  const int needed =
      WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(needed), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), length, out.data(), needed, nullptr, nullptr);
  return out;
}

}  // namespace

std::wstring widen(std::string_view utf8) {
  return toUtf16(CP_UTF8, utf8);
}

std::string narrow(std::wstring_view utf16) {
  return fromUtf16(CP_UTF8, utf16);
}

std::string toAnsi(std::string_view utf8) {
  return fromUtf16(CP_ACP, widen(utf8));
}

}  // namespace qh::win
