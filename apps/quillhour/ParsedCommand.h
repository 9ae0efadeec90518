#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qh::app {

// One line of the session language split into words, keeping the rest of the line after
// each word as written, for commands whose last argument is free text. A word in double
// quotes is taken whole, blanks included (\" and \\ inside stand for " and \). A blank line
// and a line whose first character other than a blank is "#" hold no words.
class ParsedCommand {
 public:
  // Raises CommandError for a quote that is not closed.
  explicit ParsedCommand(std::string_view line);

  bool empty() const { return words_.empty(); }
  std::size_t size() const { return words_.size(); }
  const std::string& line() const { return line_; }
  // Word i, or "" past the last.
  const std::string& word(std::size_t i) const;
  // The rest of the line from word i: the text of a quoted last word, else the line from
  // there with the blanks at either end removed. "" past the last word.
  std::string textFrom(std::size_t i) const;
  std::vector<std::string> wordsFrom(std::size_t i) const;

 private:
  struct Word {
    std::string text;
    std::size_t begin = 0;
    bool quoted = false;
  };
  void split();

  std::string line_;
  std::vector<Word> words_;
};

}  // namespace qh::app
