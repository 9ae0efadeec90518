#pragma once

#include <memory>
#include <optional>

#include "hosts/sim/ServerActivation.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/testhost/HostSystemClass.h"

namespace qh::sim {
class SimSystem;
}

namespace qh::win {

// The simulated host's way to its modules in the Windows test program: real COM. Modules are
// registered by regsvr32, and what they wrote for the current user is mirrored into the
// simulated registry, where the simulated Outlook finds its add-ins, and into the machine's
// classes, where Wine's COM looks (it reads no per-user classes). The simulated registry is
// the registry of record: before COM creates a class, the class's keys there are published to
// Wine, so that a test that removes or breaks a registration sees COM fail as it would.
// Add-ins and controls are created with CoCreateInstance; every simulated object that crosses
// to them does so through COM (ObjectBridge), with the connection points of the Outlook and
// Office object it stands for. The modules run on the simulated system, which this activation
// offers them (HostSystemClass).
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
  void mirrorRegistration();
  // Makes Wine's classes say about a class (ProgID or "{CLSID}") what the simulated registry
  // says; answers its CLSID, or raises COM's error for a ProgID it does not know.
  CLSID publishClass(const std::string& classId);

  Apartment apartment_;
  sim::SimSystem& system_;
  std::shared_ptr<ObjectBridge> bridge_;
  std::optional<HostSystemClass> hostSystem_;
};

}  // namespace qh::win
