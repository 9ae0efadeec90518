#pragma once

#include <string>
#include <string_view>
#include <vector>

// Text rules of iCalendar (RFC 5545) that the store applies itself rather than through
// libical, whose 3.0 writer neither escapes list separators nor keeps unknown properties.
namespace qh::sim::mailbox {

// A TEXT value: "\" ";" "," and line breaks escaped ("\\" "\;" "\," "\n").
std::string escapeText(std::string_view text);
// The reverse; an unknown escape is kept as written.
std::string unescapeText(std::string_view value);

// One content line folded after at most 75 octets per physical line, never inside a UTF-8
// sequence; continuation lines begin with one space. Each line ends with lineEnding.
std::string foldLine(std::string_view line, std::string_view lineEnding);

// Categories as the user sees them ("A, B") and as a list: split at "," and ";", each part
// trimmed, empty parts dropped.
std::vector<std::string> splitCategories(std::string_view text);
std::string joinCategories(const std::vector<std::string>& categories);

// Text read from a file as it is to be shown: valid UTF-8 as it stands; anything else read as
// Windows-1252, what files of older Windows programs (Outlook among them) are in practice.
std::string readableText(std::string_view bytes);
bool isValidUtf8(std::string_view bytes);
std::string utf8FromWindows1252(std::string_view bytes);

// A list value (CATEGORIES): split at the commas that are not escaped, each part unescaped,
// trimmed and made readable; empty parts dropped.
std::vector<std::string> splitListValue(std::string_view value);

bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);
std::string toUpperAscii(std::string_view text);

}  // namespace qh::sim::mailbox
