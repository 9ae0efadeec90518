#pragma once

#include <string>
#include <vector>

#include "apps/quillhour/CommandGroup.h"

namespace qh::app {

// The user at the About box ("About Quillhour"), once "About Quillhour" has opened it.
//   about web|email|manual|sysinfo|ok
class AboutCommands : public CommandGroup {
 public:
  using CommandGroup::CommandGroup;

  std::vector<std::string> verbs() const override { return {"about"}; }
  void run(const ParsedCommand& command) override;

  // What the open About box says: its caption, title, version, description, notice and links.
  static void print(Desktop& desktop, Output& output);
};

}  // namespace qh::app
