#pragma once

#include <string>
#include <vector>

#include "apps/quillhour/CommandGroup.h"

namespace qh::app {

// The user at an explorer window: opening, choosing and closing explorers, switching
// folders, selecting items, the bar's "Tag:" box and its buttons.
//   explorer open [calendar|inbox|outbox] | explorer N | explorer close
//   folder calendar|inbox|outbox
//   select ID...            (no ID: nothing selected)
//   choose-tag TEXT | type-tag TEXT
//   press New Time|Export Times|Settings|About Quillhour
class ExplorerCommands : public CommandGroup {
 public:
  using CommandGroup::CommandGroup;

  std::vector<std::string> verbs() const override {
    return {"explorer", "folder", "select", "choose-tag", "type-tag", "press"};
  }
  void run(const ParsedCommand& command) override;

  void select(const std::vector<std::string>& entryIds);
  void chooseTag(const std::string& tag);
  void press(const std::string& caption);
  // The entries of the current explorer's "Tag:" box.
  std::vector<std::string> tagChoices();

 private:
  void explorer(const ParsedCommand& command);
  void openExplorer(const std::string& folder);
  void reportCurrent();
};

}  // namespace qh::app
