#include "apps/quillhour/TextFormat.h"

#include <fmt/format.h>

namespace qh::app {
namespace {

// Escapes \, line breaks and tabs, and " when the text goes in quotes.
std::string escaped(std::string_view text, bool quoted) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '"':
        out += quoted ? "\\\"" : "\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

std::string inQuotes(std::string_view text) {
  return "\"" + escaped(text, true) + "\"";
}

std::string escapedField(std::string_view text) {
  return escaped(text, false);
}

std::string quotedList(const std::vector<std::string>& items) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ", ";
    out += inQuotes(items[i]);
  }
  return out + "]";
}

std::string formatHours(double hours) {
  std::string text = fmt::format("{:.2f}", hours);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

}  // namespace qh::app
