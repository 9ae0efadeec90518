#include "hosts/sim/excel/TextFold.h"

#include "hosts/sim/excel/Utf8.h"

namespace qh::sim {
namespace {

bool between(char32_t cp, char32_t first, char32_t last) {
  return cp >= first && cp <= last;
}

// In these blocks capitals and small letters alternate, the capital first (even) or second.
bool capitalOfPair(char32_t cp, bool capitalsEven) {
  return (cp % 2 == 0) == capitalsEven;
}

// The next character of text from `at` as a folded code point; a byte that starts no UTF-8
// character stands for itself, above every code point.
char32_t nextFolded(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) {
    ++at;
    return lead >= 'A' && lead <= 'Z' ? lead + 32 : lead;
  }
  char32_t cp = 0;
  const std::size_t length = decodeUtf8(text, at, cp);
  if (length == 0) {
    ++at;
    return 0x110000 + lead;
  }
  at += length;
  return foldCase(cp);
}

}  // namespace

char32_t foldCase(char32_t cp) {
  if (cp < 0x80) return between(cp, 'A', 'Z') ? cp + 32 : cp;
  if (between(cp, 0xC0, 0xDE) && cp != 0xD7) return cp + 32;
  if ((between(cp, 0x100, 0x12F) || between(cp, 0x132, 0x137) || between(cp, 0x14A, 0x177)) &&
      capitalOfPair(cp, true))
    return cp + 1;
  if ((between(cp, 0x139, 0x148) || between(cp, 0x179, 0x17E)) && capitalOfPair(cp, false))
    return cp + 1;
  if (cp == 0x178) return 0xFF;
  if (cp == 0x386) return 0x3AC;
  if (between(cp, 0x388, 0x38A)) return cp + 37;
  if (cp == 0x38C) return 0x3CC;
  if (between(cp, 0x38E, 0x38F)) return cp + 63;
  if (between(cp, 0x391, 0x3AB) && cp != 0x3A2) return cp + 32;
  if (between(cp, 0x400, 0x40F)) return cp + 80;
  if (between(cp, 0x410, 0x42F)) return cp + 32;
  if ((between(cp, 0x460, 0x481) || between(cp, 0x48A, 0x4BF) || between(cp, 0x1E00, 0x1E95) ||
       between(cp, 0x1EA0, 0x1EFF)) &&
      capitalOfPair(cp, true))
    return cp + 1;
  if (between(cp, 0xFF21, 0xFF3A)) return cp + 32;
  return cp;
}

int compareFoldedFrom(std::string_view a, std::string_view b, std::size_t from) {
  std::size_t i = from, j = from;
  while (i < a.size() && j < b.size()) {
    const char32_t x = nextFolded(a, i), y = nextFolded(b, j);
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  return j < b.size() ? -1 : 0;
}

}  // namespace qh::sim
