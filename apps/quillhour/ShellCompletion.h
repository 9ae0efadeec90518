#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qh::app {

// What the shell offers for the Tab key: the session's commands word by word, EntryIDs where
// a command takes one, and tags where it takes a tag. Commands whose last argument is the
// rest of the line (press, choose-tag, settings type, ...) complete that rest as one text,
// blanks included ("press N" gives "New Time").
class ShellCompletion {
 public:
  struct Sources {
    std::function<std::vector<std::string>()> entryIds;
    std::function<std::vector<std::string>()> tags;
  };
  // The texts that may replace the line from `from` up to the cursor.
  struct Choices {
    std::size_t from = 0;
    std::vector<std::string> texts;
  };

  explicit ShellCompletion(Sources sources) : sources_(std::move(sources)) {}

  // The choices for the text before the cursor, sorted; none when nothing fits.
  Choices complete(std::string_view beforeCursor) const;

 private:
  std::vector<std::string> wordsAfter(const std::vector<std::string>& before) const;
  std::vector<std::string> restOfLineAfter(const std::vector<std::string>& before) const;

  Sources sources_;
};

// The longest text that all choices begin with.
std::string commonPrefix(const std::vector<std::string>& texts);

}  // namespace qh::app
