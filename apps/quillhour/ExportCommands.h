#pragma once

#include <string>
#include <vector>

#include "apps/quillhour/CommandGroup.h"

namespace qh::app {

// The user at the export dialog ("Quillhour Export"), once "Export Times" has opened it.
//   export from DATE | export to DATE
//   export check all-day|untagged|recurring|exported|minutes|description|mark|delete|diagram on|off
//   export go | export cancel
class ExportCommands : public CommandGroup {
 public:
  using CommandGroup::CommandGroup;

  // The names of the check boxes, in the dialog's order.
  static const std::vector<std::string>& optionNames();

  std::vector<std::string> verbs() const override { return {"export"}; }
  void run(const ParsedCommand& command) override;

  void pickDate(const char* picker, Date date);
  void check(const std::string& option, bool on);
  void go();

 private:
  Ref<Object> dialog();
};

}  // namespace qh::app
