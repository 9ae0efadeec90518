#pragma once

#include <string_view>

namespace qh::win {

// CompareStringEx in a locale (a name such as L"de-DE", or LOCALE_NAME_USER_DEFAULT) with
// NORM_IGNORECASE, on UTF-8 texts: below 0, 0 or above 0. Should Windows refuse the
// comparison, the texts are ordered by their bytes.
int compareInLocale(const wchar_t* locale, std::string_view a, std::string_view b);

}  // namespace qh::win
