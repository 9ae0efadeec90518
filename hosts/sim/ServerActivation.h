#pragma once

#include <memory>
#include <string>

#include "automation/Object.h"

namespace qh::sim {

class SimSystem;

// How the host reaches the in-process servers installed in it: registering a module
// (regsvr32), Outlook creating an add-in by its ProgID, and Office creating a task pane's
// content control by its ProgID or CLSID (CreateCTP). The simulated host on Linux loads the
// modules itself (ModuleActivation); the Windows test host goes through real COM, with the
// simulated objects on its side of the boundary (hosts/win/testhost).
class ServerActivation {
 public:
  virtual ~ServerActivation() = default;

  // A library's module in a folder, as this build names it and COM records its path
  // ("<folder>/libQuillhour.so", "<folder>\Quillhour.dll").
  virtual std::string modulePath(const std::string& folder, const std::string& library) const = 0;
  // regsvr32: the module writes its registration; answers its result (0 on success). Raises
  // Error when the module cannot be loaded or has no registration entry.
  virtual int registerServer(const std::string& modulePath) = 0;
  // regsvr32 /u: the module removes its registration; answers its result.
  virtual int unregisterServer(const std::string& modulePath) = 0;
  // The add-in object Outlook creates for a ProgID; raises Error with the reason when there
  // is none.
  virtual Ref<Object> createAddin(const std::string& progId) = 0;
  // A task pane's content control for CreateCTP's CTPAxID; raises COM's failure.
  virtual Ref<Object> createControl(const std::string& classId) = 0;
};

// This build's activation for a host on this system. The system must outlive it.
std::unique_ptr<ServerActivation> makeServerActivation(SimSystem& system);

}  // namespace qh::sim
