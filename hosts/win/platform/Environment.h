#pragma once

#include <string>

namespace qh::win {

// The value of one of the process's environment variables, or "" when it is not set.
std::wstring environmentValue(const wchar_t* name);

}  // namespace qh::win
