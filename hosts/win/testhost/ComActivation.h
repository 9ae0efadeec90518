#pragma once

#include <memory>

#include "hosts/sim/ServerActivation.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/testhost/ClassActivation.h"
#include "hosts/win/testhost/HostSystemClass.h"
#include "hosts/win/testhost/RegistrationMirror.h"

namespace qh::sim {
class SimSystem;
}

namespace qh::win {

// The simulated host's way to its modules in the Windows test program: real COM. Modules are
// registered by regsvr32 (RegistrationMirror); add-ins and controls are created with
// CoCreateInstance, the simulated registry being the registry of record (ClassActivation).
// Every simulated object that crosses to them does so through COM (ObjectBridge), with the
// connection points of the Outlook and Office object it stands for, and the modules run on the
// simulated system, which this activation offers them (HostSystemClass).
//
// It initialises COM on the thread (single-threaded apartment) for its life; ending it
// uninitialises COM, which lets the modules unload once nothing of theirs is held.
class ComActivation final : public sim::ServerActivation {
 public:
  explicit ComActivation(sim::SimSystem& system);
  ~ComActivation() override;

  std::string modulePath(const std::string& folder, const std::string& library) const override;
  int registerServer(const std::string& modulePath) override;
  int unregisterServer(const std::string& modulePath) override;
  Ref<Object> createAddin(const std::string& progId) override;
  Ref<Object> createControl(const std::string& classId) override;

  ObjectBridge& bridge() { return *bridge_; }

 private:
  // CoInitializeEx for the activation's life: the first member made, the last to end.
  class Apartment {
   public:
    Apartment();
    ~Apartment();
  };

  Apartment apartment_;
  RegistrationMirror registrations_;
  ClassActivation classes_;
  std::shared_ptr<ObjectBridge> bridge_;
  HostSystemClass hostSystem_;
};

}  // namespace qh::win
