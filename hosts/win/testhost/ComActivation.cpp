#include "hosts/win/testhost/ComActivation.h"

#include <windows.h>

#include <algorithm>

#include "hosts/sim/system/SimSystem.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/platform/Win32System.h"
#include "hosts/win/testhost/OfficeAddinObject.h"
#include "hosts/win/testhost/Regsvr32.h"
#include "hosts/win/testhost/RegistryTree.h"
#include "hosts/win/testhost/SimEventInterfaces.h"

namespace qh::win {
namespace {

using platform::RegistryRoot;

constexpr const char* kClasses = "Software\\Classes";
constexpr const char* kOutlookAddins = "Software\\Microsoft\\Office\\Outlook\\Addins";

// The parts of what the current user registered that the host mirrors: classes, add-ins.
struct Registration {
  RegistryTree classes;
  RegistryTree addins;

  static Registration read() {
    return {RegistryTree::read(HKEY_CURRENT_USER, widen(kClasses)),
            RegistryTree::read(HKEY_CURRENT_USER, widen(kOutlookAddins))};
  }
};

// Deletes the keys of `before` that `after` no longer has, below root\path.
void removeVanished(platform::System& system, RegistryRoot root, const std::string& path,
                    const RegistryTree& before, const RegistryTree& after) {
  const std::vector<std::string> kept = after.keys();
  for (const std::string& key : before.keys()) {
    if (key.empty() || std::find(kept.begin(), kept.end(), key) != kept.end()) continue;
    system.regDeleteTree(root, path + "\\" + key);  // a child of a deleted key is gone already
  }
}

}  // namespace

ComActivation::Apartment::Apartment() {
  throwIfFailed(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

ComActivation::Apartment::~Apartment() {
  CoUninitialize();
}

ComActivation::ComActivation(sim::SimSystem& system)
    : system_(system), bridge_(ObjectBridge::create()) {
  bridge_->setEventChooser(simEventInterfaces(*bridge_));
  hostSystem_.emplace(system, bridge_);
}

ComActivation::~ComActivation() {
  hostSystem_.reset();
  bridge_.reset();
}

std::string ComActivation::modulePath(const std::string& folder,
                                      const std::string& library) const {
  std::string path = folder + "\\" + library + ".dll";
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

int ComActivation::registerServer(const std::string& modulePath) {
  const int rc = runRegsvr32(modulePath);
  mirrorRegistration();
  return rc;
}

int ComActivation::unregisterServer(const std::string& modulePath) {
  const Registration before = Registration::read();
  const int rc = runRegsvr32(modulePath, true);
  const Registration after = Registration::read();
  Win32System windows;
  removeVanished(windows, RegistryRoot::LocalMachine, kClasses, before.classes, after.classes);
  removeVanished(system_, RegistryRoot::CurrentUser, kClasses, before.classes, after.classes);
  removeVanished(system_, RegistryRoot::CurrentUser, kOutlookAddins, before.addins, after.addins);
  return rc;
}

void ComActivation::mirrorRegistration() {
  const Registration registered = Registration::read();
  Win32System windows;
  registered.classes.writeTo(windows, RegistryRoot::LocalMachine, kClasses);
  registered.classes.writeTo(system_, RegistryRoot::CurrentUser, kClasses);
  registered.addins.writeTo(system_, RegistryRoot::CurrentUser, kOutlookAddins);
}

CLSID ComActivation::publishClass(const std::string& classId) {
  const sim::SimRegistry& registry = system_.registry();
  Win32System windows;
  const std::string classes = std::string(kClasses) + "\\";
  std::string clsid = classId;
  if (classId.empty() || classId.front() != '{') {
    windows.regDeleteTree(RegistryRoot::LocalMachine, classes + classId);
    const auto found = registry.stringValue(RegistryRoot::ClassesRoot, classId + "\\CLSID", "");
    if (!found) throw errorFromHresult(CO_E_CLASSSTRING);
    windows.regSetValue(RegistryRoot::LocalMachine, classes + classId + "\\CLSID", "",
                        platform::kRegSz, *found);
    clsid = *found;
  }
  const std::string server = "CLSID\\" + clsid + "\\InprocServer32";
  windows.regDeleteTree(RegistryRoot::LocalMachine, classes + "CLSID\\" + clsid);
  for (const char* name : {"", "ThreadingModel"})
    if (const auto value = registry.stringValue(RegistryRoot::ClassesRoot, server, name))
      windows.regSetValue(RegistryRoot::LocalMachine, classes + server, name, platform::kRegSz,
                          *value);
  std::wstring text = widen(clsid);
  CLSID id{};
  throwIfFailed(CLSIDFromString(text.data(), &id));
  return id;
}

Ref<Object> ComActivation::createAddin(const std::string& progId) {
  const CLSID clsid = publishClass(progId);
  ComPtr<IUnknown> addin;
  throwIfFailed(
      CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, addin.putVoid()));
  return makeRef<OfficeAddinObject>(bridge_, std::move(addin));
}

Ref<Object> ComActivation::createControl(const std::string& classId) {
  const CLSID clsid = publishClass(classId);
  ComPtr<IDispatch> control;
  throwIfFailed(
      CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, control.putVoid()));
  return bridge_->objectFor(control.get());
}

}  // namespace qh::win

namespace qh::sim {

std::unique_ptr<ServerActivation> makeServerActivation(SimSystem& system) {
  return std::make_unique<win::ComActivation>(system);
}

}  // namespace qh::sim
