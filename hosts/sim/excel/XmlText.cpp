#include "hosts/sim/excel/XmlText.h"

#include "hosts/sim/excel/Utf8.h"

namespace qh::sim::xml {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool allowedInXml(char32_t cp) {
  if (cp < 0x20) return cp == '\t' || cp == '\n' || cp == '\r';
  return cp != 0xFFFE && cp != 0xFFFF;
}

bool isHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// "_xHHHH_" at text[at]: what Excel would read as an escaped character.
bool looksEscaped(std::string_view text, std::size_t at) {
  if (at + 7 > text.size() || text[at + 1] != 'x' || text[at + 6] != '_') return false;
  for (std::size_t i = 2; i < 6; ++i)
    if (!isHex(text[at + i])) return false;
  return true;
}

void appendHexEscape(std::string& out, char32_t cp) {
  static const char digits[] = "0123456789ABCDEF";
  out += "_x";
  for (int shift = 12; shift >= 0; shift -= 4) out += digits[(cp >> shift) & 0xF];
  out += '_';
}

// Printable ASCII other than the characters that need a look: copied as it stands.
bool plain(char c) {
  return c >= 0x20 && c < 0x7F && c != '&' && c != '<' && c != '>' && c != '"' && c != '_';
}

}  // namespace

void appendEscaped(std::string& out, std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    std::size_t run = at;
    while (run < text.size() && plain(text[run])) ++run;
    if (run > at) {
      out.append(text, at, run - at);
      at = run;
      continue;
    }
    const char c = text[at];
    switch (c) {
      case '&':
        out += "&amp;";
        ++at;
        continue;
      case '<':
        out += "&lt;";
        ++at;
        continue;
      case '>':
        out += "&gt;";
        ++at;
        continue;
      case '"':
        out += "&quot;";
        ++at;
        continue;
      case '_':
        if (looksEscaped(text, at)) {
          appendHexEscape(out, '_');
          ++at;
          continue;
        }
        break;
      default:
        break;
    }
    char32_t cp = 0;
    const std::size_t length = decodeUtf8(text, at, cp);
    if (length == 0) {
      out += kReplacement;
      ++at;
    } else if (!allowedInXml(cp)) {
      appendHexEscape(out, cp);
      at += length;
    } else {
      out.append(text, at, length);
      at += length;
    }
  }
}

std::string escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendEscaped(out, text);
  return out;
}

bool isValidUtf8(std::string_view text) {
  char32_t cp = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      ++at;
      continue;
    }
    const std::size_t length = decodeUtf8(text, at, cp);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string validUtf8(std::string_view text) {
  if (isValidUtf8(text)) return std::string(text);
  std::string out;
  char32_t cp = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = decodeUtf8(text, at, cp);
    if (length == 0) {
      out += kReplacement;
      ++at;
    } else {
      out.append(text, at, length);
      at += length;
    }
  }
  return out;
}

}  // namespace qh::sim::xml
