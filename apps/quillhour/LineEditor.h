#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qh::app {

// The line being typed at the shell's prompt, with a cursor and the lines entered before:
// what the keys of a terminal do to it, without the terminal. Older and newer walk the
// history; the line being typed is kept while walking and comes back past the newest.
class LineEditor {
 public:
  const std::string& text() const { return text_; }
  std::size_t cursor() const { return cursor_; }
  const std::vector<std::string>& history() const { return history_; }

  void insert(std::string_view typed);
  void backspace();  // the character before the cursor
  void erase();      // the character at the cursor
  void left();
  void right();
  void home() { cursor_ = 0; }
  void end() { cursor_ = text_.size(); }
  void killToEnd() { text_.erase(cursor_); }
  void clear();
  void older();
  void newer();
  // Enter: answers the line, keeps it in the history (unless blank or equal to the newest),
  // and starts an empty one.
  std::string accept();

 private:
  void show(std::string text);

  std::string text_;
  std::size_t cursor_ = 0;
  std::vector<std::string> history_;
  std::size_t browsing_ = 0;  // index into history_; history_.size() while typing
  std::string draft_;         // the line typed before walking the history
};

}  // namespace qh::app
