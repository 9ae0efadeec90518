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

// Windows-1252's characters 0x80 to 0x9F; the five it leaves undefined map to the C1 controls
// of the same number, as Windows itself converts them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Length of the valid UTF-8 sequence at s[i], or 0.
std::size_t sequenceAt(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = byte(i);
  if (b < 0x80) return 1;
  std::size_t n = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3;
    if (b == 0xE0) low = 0xA0;   // no overlong forms
    if (b == 0xED) high = 0x9F;  // no surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (i + n > s.size() || byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < n; ++k)
    if (!isUtf8Continuation(s[i + k])) return 0;
  return n;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    // ASCII runs are the common case.
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
    if (i == bytes.size()) break;
    const std::size_t n = sequenceAt(bytes, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string utf8FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80)
      out += ch;
    else if (b < 0xA0)
      appendUtf8(out, kWindows1252High[b - 0x80]);
    else
      appendUtf8(out, b);  // Latin-1 from here on
  }
  return out;
}

std::string readableText(std::string_view bytes) {
  if (isValidUtf8(bytes)) return std::string(bytes);
  return utf8FromWindows1252(bytes);
}

std::vector<std::string> splitListValue(std::string_view value) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t i = 0; i <= value.size(); ++i) {
    if (i + 1 < value.size() && value[i] == '\\') {
      ++i;  // the escaped character is part of the value
      continue;
    }
    if (i < value.size() && value[i] != ',') continue;
    const std::string unescaped = unescapeText(value.substr(from, i - from));
    const std::string_view part = trimSpaces(unescaped);
    if (!part.empty()) parts.push_back(readableText(part));
    from = i + 1;
  }
  return parts;
}

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
