#pragma once

#include <string_view>

namespace qh::sim {

// Text compared without regard to letter case, as Excel compares pivot items: ASCII letters,
// the Latin letters with accents (Latin-1 and Latin Extended-A, Vietnamese), Greek, Cyrillic
// and full-width Latin fold to their small forms; everything else compares by code point.
// Bytes that are not UTF-8 compare as themselves.
int compareFolded(std::string_view a, std::string_view b);

inline bool lessFolded(std::string_view a, std::string_view b) {
  return compareFolded(a, b) < 0;
}
inline bool equalFolded(std::string_view a, std::string_view b) {
  return compareFolded(a, b) == 0;
}

// The small form of a letter that has one among those above; any other code point unchanged.
char32_t foldCase(char32_t cp);

}  // namespace qh::sim
