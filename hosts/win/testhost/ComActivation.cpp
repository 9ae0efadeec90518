#include "hosts/win/testhost/ComActivation.h"

#include <windows.h>

#include <algorithm>

#include "hosts/sim/system/SimSystem.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/testhost/OfficeAddinObject.h"
#include "hosts/win/testhost/SimEventInterfaces.h"

namespace qh::win {

ComActivation::Apartment::Apartment() {
  throwIfFailed(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

ComActivation::Apartment::~Apartment() {
  CoUninitialize();
}

ComActivation::ComActivation(sim::SimSystem& system)
    : registrations_(system),
      classes_(system.registry()),
      bridge_(ObjectBridge::create()),
      hostSystem_(system, bridge_) {
  bridge_->setEventChooser(simEventInterfaces(*bridge_));
}

// Modules that hold nothing go now, while the system they run on is still there: COM would let
// them go when the apartment ends, but something else in the process (a window's input
// context, under Wine) may keep the apartment past this activation's CoUninitialize.
ComActivation::~ComActivation() {
  CoFreeUnusedLibrariesEx(0, 0);
}

std::string ComActivation::modulePath(const std::string& folder, const std::string& library) const {
  std::string path = folder + "\\" + library + ".dll";
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

int ComActivation::registerServer(const std::string& modulePath) {
  return registrations_.install(modulePath);
}

int ComActivation::unregisterServer(const std::string& modulePath) {
  return registrations_.uninstall(modulePath);
}

Ref<Object> ComActivation::createAddin(const std::string& progId) {
  return makeRef<OfficeAddinObject>(bridge_, classes_.create(progId, IID_IUnknown));
}

Ref<Object> ComActivation::createControl(const std::string& classId) {
  const ComPtr<IUnknown> control = classes_.create(classId, IID_IDispatch);
  return bridge_->objectFor(static_cast<IDispatch*>(control.get()));
}

}  // namespace qh::win

namespace qh::sim {

std::unique_ptr<ServerActivation> makeServerActivation(SimSystem& system) {
  return std::make_unique<win::ComActivation>(system);
}

}  // namespace qh::sim
