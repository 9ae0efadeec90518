#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "hosts/sim/system/SimSystem.h"

namespace qh::testing {

// The description of the error a call on an empty object reference raises.
inline const std::string kNotSet = "Object variable not set";

// Whether a log message is one of the add-in's fixed trace texts rather than an error line.
inline bool isTrace(std::string_view message) {
  static const std::string_view kTraces[] = {
      "Addin Startup",
      "Addin NewExplorer",
      "Addin NewInspector",
      "Addin: OutlookInstance_ItemSend",
      "Addin: Prohibited Quillhour Settings to be sent",
      "Addin OutlookInstance_Startup",
      "Addin OutlookInstance_Quit",
      "Explorer Explorer_Activate",
      "Explorer Explorer_FolderSwitch",
      "Explorer Explorer_SelectionChange",
      "Explorer Explorer_Close",
      "Explorer OnSelectionChange: Clearing Selection in Outbox folder",
      "Inspector_Activate",
      "Inspector_Close",
  };
  return std::find(std::begin(kTraces), std::end(kTraces), message) != std::end(kTraces);
}

// The log messages that are not traces, oldest first.
inline std::vector<std::string> withoutTraces(std::vector<std::string> messages) {
  std::erase_if(messages, [](const std::string& m) { return isTrace(m); });
  return messages;
}

// Empties the add-in's log window, if it has one, so that a test sees only what follows
// (the window keeps only its latest lines).
inline void clearLog(sim::SimSystem& system) {
  if (Ref<Object> window = system.forms().find("Quillhour"))
    window->getObject("ErrorList")->call("Clear");
}

}  // namespace qh::testing
