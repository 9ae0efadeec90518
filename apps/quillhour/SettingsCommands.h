#pragma once

#include <string>
#include <vector>

#include "apps/quillhour/CommandGroup.h"

namespace qh::app {

// The user at the newest open settings dialog ("Quillhour Settings").
//   settings type TEXT      types into the text box (which takes the keyboard)
//   settings enter          presses Enter in the text box
//   settings add | settings delete | settings save | settings cancel
//   settings select TEXT[; TEXT...]   selects exactly the entries with these texts
class SettingsCommands : public CommandGroup {
 public:
  using CommandGroup::CommandGroup;

  std::vector<std::string> verbs() const override { return {"settings"}; }
  void run(const ParsedCommand& command) override;

  // The dialog's list as it stands.
  std::vector<std::string> entries();
  void type(const std::string& text);
  void select(const std::vector<std::string>& texts);
  void click(const char* button);

 private:
  Ref<Object> dialog();
};

}  // namespace qh::app
