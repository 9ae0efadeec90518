#pragma once

#include <optional>
#include <string>

#include "apps/quillhour/LineEditor.h"
#include "apps/quillhour/LineSource.h"

namespace qh::app {

// The shell's lines, typed at a prompt. On a terminal the line can be edited (arrows, Home,
// End, Backspace, Delete, Ctrl+A/E/U/K) and the arrows up and down recall earlier lines;
// Ctrl+D on an empty line ends the input and Ctrl+C abandons the line. Input that is no
// terminal is read line by line, without a prompt.
class TerminalLines : public LineSource {
 public:
  explicit TerminalLines(std::string prompt);
  std::optional<std::string> next() override;

 private:
  std::optional<std::string> readEdited();
  // Reads one key's bytes and applies it; answers true when the line is complete.
  bool handleKey(bool& endOfInput);
  void redraw();

  std::string prompt_;
  LineEditor editor_;
  StreamLines plain_;
};

}  // namespace qh::app
