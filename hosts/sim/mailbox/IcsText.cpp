#include "hosts/sim/mailbox/IcsText.h"

#include <algorithm>

namespace qh::sim::mailbox {
namespace {

constexpr std::size_t kMaxLineOctets = 75;

bool isUtf8Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string_view trimSpaces(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

// Names and keywords of iCalendar are ASCII; folding only ASCII letters keeps the result
// independent of the process's locale, and cheap enough for every line of a large file.
char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string escapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case ';':
        out += "\\;";
        break;
      case ',':
        out += "\\,";
        break;
      case '\r':
        out += "\\n";
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;  // CRLF is one line break
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string unescapeText(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    const char next = value[++i];
    switch (next) {
      case '\\':
      case ';':
      case ',':
        out += next;
        break;
      case 'n':
      case 'N':
        out += '\n';
        break;
      default:
        out += '\\';
        out += next;
    }
  }
  return out;
}

std::string foldLine(std::string_view line, std::string_view lineEnding) {
  std::string out;
  std::size_t room = kMaxLineOctets;
  while (line.size() > room) {
    std::size_t cut = room;
    while (cut > 0 && isUtf8Continuation(line[cut])) --cut;
    if (cut == 0) cut = room;  // not UTF-8 after all: cut where the octets run out
    out.append(line.substr(0, cut));
    out.append(lineEnding);
    out += ' ';
    line.remove_prefix(cut);
    room = kMaxLineOctets - 1;  // the leading space counts
  }
  out.append(line);
  out.append(lineEnding);
  return out;
}

std::vector<std::string> splitCategories(std::string_view text) {
  std::vector<std::string> parts;
  while (true) {
    const auto stop = text.find_first_of(",;");
    const auto part = trimSpaces(text.substr(0, stop));
    if (!part.empty()) parts.emplace_back(part);
    if (stop == std::string_view::npos) break;
    text.remove_prefix(stop + 1);
  }
  return parts;
}

std::string joinCategories(const std::vector<std::string>& categories) {
  std::string out;
  for (const auto& c : categories) {
    if (!out.empty()) out += ", ";
    out += c;
  }
  return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return x == y || upper(x) == upper(y);
         });
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::string toUpperAscii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), upper);
  return out;
}

}  // namespace qh::sim::mailbox
