#pragma once

#include <string>
#include <string_view>
#include <vector>

// Texts as the program shows them in its fixed output forms.
namespace qh::app {

// In double quotes, with \ and " escaped, and line breaks and tabs as \n, \r and \t, so that
// every text stays on one line and its blanks show.
std::string inQuotes(std::string_view text);
// The text with \ as \\ and line breaks and tabs as \n, \r and \t: one field of a
// tab-separated line.
std::string escapedField(std::string_view text);
// ["A", "B"], each element quoted.
std::string quotedList(const std::vector<std::string>& items);
// Hours with at most two decimals and no trailing zeros: 7.5, 38, 0.25.
std::string formatHours(double hours);

}  // namespace qh::app
