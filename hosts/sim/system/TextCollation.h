#pragma once

#include <memory>
#include <string>

namespace qh::sim {

// The order of words in one locale, letter case not counting, as Windows' CompareStringEx
// gives it with NORM_IGNORECASE: accents count and case does not ("é" and "É" sort alike,
// "Ärger" among the A's). ICU's collation at secondary strength on Linux; the Windows build
// of the simulated host brings CompareStringEx itself (hosts/win/testhost).
class TextCollation {
 public:
  // A locale name such as "en-US" or "de-DE"; a locale without an order of its own gets the
  // common one.
  explicit TextCollation(const std::string& locale);
  ~TextCollation();
  TextCollation(TextCollation&&) noexcept;
  TextCollation& operator=(TextCollation&&) noexcept;

  // Below 0, 0 or above 0, as a comes before, with or after b; texts in UTF-8.
  int compare(const std::string& a, const std::string& b) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace qh::sim
