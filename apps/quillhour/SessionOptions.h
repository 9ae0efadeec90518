#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "automation/Date.h"
#include "hosts/sim/system/SimLocale.h"

namespace qh::app {

// How a session sets up the simulated Outlook: the global options of the command line.
struct SessionOptions {
  // What a session may do to the calendar file.
  enum class Access {
    Read,       // nothing to change (list, export without marks): no lock, never written
    Change,     // a command that changes it: refused up front when it cannot be written
    MayChange,  // a script or a shell: changes are written back if it can be
  };

  std::string mailbox;  // the user's calendar file
  Access access = Access::MayChange;
  // How long to wait for another process that has the calendar open for changes.
  std::chrono::milliseconds lockWait{5000};
  std::string outDir = ".";                // where Excel writes the workbooks it hands over
  std::optional<Date> now;                 // a fixed clock; none: the clock runs
  sim::Locale locale = sim::Locale::EnUs;  // regional formats of the simulated system
  int outlookVersion = 16;                 // Outlook's major version
  bool taskPanes = true;                   // whether the host offers custom task panes
  bool answerOk = true;                    // alerts, message boxes and save prompts: OK or Cancel
  std::string moduleDir;                   // where the add-in's modules and template are
};

}  // namespace qh::app
