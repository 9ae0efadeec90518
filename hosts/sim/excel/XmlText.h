#pragma once

#include <string>
#include <string_view>

namespace qh::sim::xml {

// Text made safe for the XML parts of an Office file, whatever the workbook was given.
// Markup characters become entities; characters XML 1.0 does not allow (controls other than
// tab, line feed and carriage return, U+FFFE, U+FFFF) become Office's "_xHHHH_" escapes, which
// Excel reads back as the character; an "_x" that would read as such an escape is itself
// escaped ("_x005F_"); bytes that are not UTF-8 become U+FFFD.
void appendEscaped(std::string& out, std::string_view text);
std::string escaped(std::string_view text);

// The text as valid UTF-8: unchanged when it is, else with every byte that does not belong to
// a well-formed character replaced by U+FFFD.
std::string validUtf8(std::string_view text);
bool isValidUtf8(std::string_view text);

}  // namespace qh::sim::xml
