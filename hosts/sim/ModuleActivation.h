#pragma once

#include "hosts/sim/ServerActivation.h"
#include "hosts/sim/office/InprocActivator.h"

namespace qh::sim {

// The simulated host's own activation: modules are loaded by the simulated system (dlopen)
// and reached through the exports of platform/ModuleAbi.h, the stand-ins of
// DllRegisterServer and DllGetClassObject. Objects receive the simulated system.
class ModuleActivation final : public ServerActivation {
 public:
  explicit ModuleActivation(SimSystem& system);

  std::string modulePath(const std::string& folder, const std::string& library) const override;
  int registerServer(const std::string& modulePath) override;
  int unregisterServer(const std::string& modulePath) override;
  // A failure names the step that failed after COM's own text, in parentheses.
  Ref<Object> createAddin(const std::string& progId) override;
  Ref<Object> createControl(const std::string& classId) override;

 private:
  SimSystem& system_;
  InprocActivator controls_;
};

}  // namespace qh::sim
