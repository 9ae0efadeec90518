#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Globals.h"
#include "hosts/sim/outlook/SimOutlook.h"
#include "hosts/sim/system/SimSystem.h"

namespace qh::core::testing {

// The simulated operating system, noting for each message box whether the add-in's log window
// was on screen while the box was up.
class WatchingSystem : public sim::SimSystem {
 public:
  int messageBox(const std::string& text, const std::string& title,
                 platform::MessageButtons buttons, platform::MessageIcon icon) override;

  std::vector<bool> logWindowShownAtBox;
};

// The add-in's code linked into the test and driven through its own procedures, inside a
// simulated Outlook with command bars (no task panes). The globals are torn down and reset
// after each test.
class InProcessAddinTest : public ::testing::Test {
 protected:
  InProcessAddinTest();
  ~InProcessAddinTest() override;

  // AddinConnect with the Outlook Application, then AddinStartup.
  void connect();
  void connectAndStart();

  AddinGlobals& addinGlobals() { return globals(); }
  // The log window's messages without their time stamps, oldest first.
  std::vector<std::string> logMessages();
  // The log window as the window system has it; empty when it is not loaded.
  Ref<Object> logWindow() { return system.forms().find("Quillhour"); }
  // The appointment holding the tag list.
  Ref<sim::outlook::AppointmentItem> storeTagList(const std::string& body);

  WatchingSystem system;  // first: it outlives Outlook and the add-in's windows
  sim::outlook::SimOutlook outlook{system};
};

}  // namespace qh::core::testing
