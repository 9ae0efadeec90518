#pragma once

#include <string>
#include <string_view>

namespace qh::win {

// Text crosses the Windows boundary as UTF-16 (BSTR, the W functions) and lives as UTF-8
// inside. Invalid sequences become U+FFFD rather than failing: a name or a message is still
// worth passing on with one odd character.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// The ANSI code page's form of a UTF-8 text, for the A functions the add-in calls by name
// (registry, shell). Characters the code page lacks become its default character.
std::string toAnsi(std::string_view utf8);

}  // namespace qh::win
