#pragma once

#include <optional>
#include <string>

#include "automation/Date.h"
#include "hosts/sim/system/SimLocale.h"

namespace qh::app {

// How a session sets up the simulated Outlook: the global options of the command line.
struct SessionOptions {
  std::string mailbox;                     // the user's calendar file
  std::string outDir = ".";                // where Excel writes the workbooks it hands over
  std::optional<Date> now;                 // a fixed clock; none: the clock runs
  sim::Locale locale = sim::Locale::EnUs;  // regional formats of the simulated system
  int outlookVersion = 16;                 // Outlook's major version
  bool taskPanes = true;                   // whether the host offers custom task panes
  bool answerOk = true;                    // alerts, message boxes and save prompts: OK or Cancel
  std::string moduleDir;                   // where the add-in's modules and template are
};

}  // namespace qh::app
