#include "hosts/win/platform/LocaleCompare.h"

#include <windows.h>

#include <string>

#include "hosts/win/automation/WideText.h"

namespace qh::win {

int compareInLocale(const wchar_t* locale, std::string_view a, std::string_view b) {
  const std::wstring wa = widen(a), wb = widen(b);
  const int order =
      CompareStringEx(locale, NORM_IGNORECASE, wa.c_str(), static_cast<int>(wa.size()), wb.c_str(),
                      static_cast<int>(wb.size()), nullptr, nullptr, 0);
  if (order == 0) return a.compare(b);
  return order - CSTR_EQUAL;  // CSTR_LESS_THAN, CSTR_EQUAL, CSTR_GREATER_THAN are 1, 2, 3
}

}  // namespace qh::win
