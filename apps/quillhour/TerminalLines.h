#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "apps/quillhour/LineSource.h"
#include "apps/quillhour/ShellCompletion.h"

namespace qh::app {

// The shell's lines, typed at a prompt with libedit's line editing: the usual keys of a
// prompt (arrows, Home, End, Ctrl+A/E/K/U/W, Ctrl+R), Tab completing the session's commands,
// EntryIDs and tags, and the lines of earlier runs recalled from the history file. Ctrl+D on
// an empty line ends the input; Ctrl+C abandons the line being typed. Input that is no
// terminal is read line by line, without a prompt.
class TerminalLines : public LineSource {
 public:
  // history: the file that keeps the lines across runs; empty keeps none.
  TerminalLines(std::string prompt, ShellCompletion completion, std::filesystem::path history);
  ~TerminalLines() override;
  TerminalLines(const TerminalLines&) = delete;
  TerminalLines& operator=(const TerminalLines&) = delete;

  std::optional<std::string> next() override;

  // Where the shell keeps its history: $XDG_STATE_HOME/quillhour/history, else
  // $HOME/.local/state/quillhour/history; empty when neither variable is set.
  static std::filesystem::path historyFile();

 private:
  struct Editor;
  std::unique_ptr<Editor> editor_;
  StreamLines plain_;
};

}  // namespace qh::app
