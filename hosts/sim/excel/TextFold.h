#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace qh::sim {

// Text compared without regard to letter case, as Excel compares pivot items: ASCII letters,
// the Latin letters with accents (Latin-1 and Latin Extended-A, Vietnamese), Greek, Cyrillic
// and full-width Latin fold to their small forms; everything else compares by code point.
// Bytes that are not UTF-8 compare as themselves.
inline int compareFolded(std::string_view a, std::string_view b);

inline bool lessFolded(std::string_view a, std::string_view b) {
  return compareFolded(a, b) < 0;
}
inline bool equalFolded(std::string_view a, std::string_view b) {
  return compareFolded(a, b) == 0;
}

// The small form of a letter that has one among those above; any other code point unchanged.
char32_t foldCase(char32_t cp);

// compareFolded from a point up to which both texts are the same ASCII, letter case aside.
int compareFoldedFrom(std::string_view a, std::string_view b, std::size_t from);

// Pivot items are compared while every record is grouped: ASCII, the common case, is folded
// here, inline, and only other characters are decoded.
inline int compareFolded(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if ((x | y) >= 0x80) return compareFoldedFrom(a, b, i);
    const int fx = x >= 'A' && x <= 'Z' ? x + 32 : x, fy = y >= 'A' && y <= 'Z' ? y + 32 : y;
    if (fx != fy) return fx < fy ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace qh::sim
