#pragma once

#include "automation/Object.h"
#include "automation/Variant.h"
#include "forms/Form.h"
#include "platform/System.h"

namespace qh::core {

class cAddin;
class cObjectStore;
class MainForm;

// The add-in's globals: one set per loaded module, created and emptied by the connection
// procedures. Tests reset them between cases with resetGlobals().
struct AddinGlobals {
  Ref<cAddin> gAddin;
  Ref<cObjectStore> gObjectStore;
  Ref<Object> gCTPFactory;
  StringArray TagArray;  // unassigned until the settings are first read

  Ref<MainForm> mainForm;       // the log window, created by the first log line
  Ref<forms::Form> aboutForm;   // the About dialog, while loaded
  Ref<forms::Form> exportForm;  // the export dialog's shared instance, while loaded

  platform::System* system = nullptr;  // the operating system, handed over at load
};

AddinGlobals& globals();
// Drops every global reference and forgets the system; for tests and module unload.
void resetGlobals();

// The operating system the add-in was loaded into; raises when there is none.
platform::System& addinSystem();
// The controller's Outlook Application and MAPI namespace; raise "Object variable not set"
// when the add-in is not connected.
Object& addinApplication();
Object& addinNameSpace();
// The log window, created hidden on first use.
MainForm& mainForm();
// Closes the log window; its lines are lost.
void closeMainForm();

}  // namespace qh::core
