#pragma once

#include <string>
#include <vector>

#include "apps/quillhour/Desktop.h"
#include "apps/quillhour/Output.h"
#include "apps/quillhour/ParsedCommand.h"
#include "automation/Date.h"

namespace qh::app {

// A family of session commands: the words that start them, and how to run one. A command
// that cannot be carried out raises CommandError (or lets the host's own failure through).
class CommandGroup {
 public:
  CommandGroup(Desktop& desktop, Output& output) : desktop_(desktop), output_(output) {}
  virtual ~CommandGroup() = default;

  virtual std::vector<std::string> verbs() const = 0;
  virtual void run(const ParsedCommand& command) = 0;

 protected:
  Desktop& desktop() { return desktop_; }
  Output& output() { return output_; }

  // Argument checks shared by the groups; each raises CommandError naming what is wrong.
  static const std::string& word(const ParsedCommand& command, std::size_t i, const char* expected);
  static void noMore(const ParsedCommand& command, std::size_t i);
  static Date date(const std::string& text);
  static bool onOff(const ParsedCommand& command, std::size_t i);
  [[noreturn]] static void unknown(const ParsedCommand& command, std::size_t i,
                                   const char* expected);

 private:
  Desktop& desktop_;
  Output& output_;
};

}  // namespace qh::app
