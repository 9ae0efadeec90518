#pragma once

#include <string>
#include <vector>

#include "apps/quillhour/CommandGroup.h"

namespace qh::app {

// The user at an item's window (inspector): opening it, editing its fields, the "Tag:" box on
// its bar and in its task pane, saving, closing, and sending an item.
//   open ID
//   inspector set subject|start|duration|body|categories VALUE
//   inspector choose-tag TEXT | inspector type-tag TEXT | inspector save | inspector close
//   pane choose-tag TEXT
//   send ID
class ItemWindowCommands : public CommandGroup {
 public:
  using CommandGroup::CommandGroup;

  std::vector<std::string> verbs() const override { return {"open", "inspector", "pane", "send"}; }
  void run(const ParsedCommand& command) override;

 private:
  void inspector(const ParsedCommand& command);
  void set(const ParsedCommand& command);
  void paneChooseTag(const std::string& tag);
  void send(const ParsedCommand& command);
};

}  // namespace qh::app
