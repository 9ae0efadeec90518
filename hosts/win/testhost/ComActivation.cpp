#include "hosts/win/testhost/ComActivation.h"

#include <windows.h>

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

constexpr const wchar_t* kUserClasses = L"Software\\Classes";
constexpr const char* kClasses = "Software\\Classes";
constexpr const char* kOutlookAddins = "Software\\Microsoft\\Office\\Outlook\\Addins";

CLSID classIdOf(const std::string& classId) {
  std::wstring text = widen(classId);
  CLSID clsid{};
  const HRESULT hr = !text.empty() && text.front() == L'{' ? CLSIDFromString(text.data(), &clsid)
                                                           : CLSIDFromProgID(text.c_str(), &clsid);
  throwIfFailed(hr);
  return clsid;
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

std::string ComActivation::moduleFileName(const std::string& library) const {
  return library + ".dll";
}

int ComActivation::registerServer(const std::string& modulePath) {
  const int rc = runRegsvr32(modulePath);
  mirrorRegistration();
  return rc;
}

void ComActivation::mirrorRegistration() {
  const RegistryTree classes = RegistryTree::read(HKEY_CURRENT_USER, kUserClasses);
  Win32System windows;
  classes.writeTo(windows, RegistryRoot::LocalMachine, kClasses);
  classes.writeTo(system_, RegistryRoot::CurrentUser, kClasses);
  RegistryTree::read(HKEY_CURRENT_USER, widen(kOutlookAddins))
      .writeTo(system_, RegistryRoot::CurrentUser, kOutlookAddins);
}

Ref<Object> ComActivation::createAddin(const std::string& progId) {
  ComPtr<IUnknown> addin;
  throwIfFailed(CoCreateInstance(classIdOf(progId), nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                 addin.putVoid()));
  return makeRef<OfficeAddinObject>(bridge_, std::move(addin));
}

Ref<Object> ComActivation::createControl(const std::string& classId) {
  ComPtr<IDispatch> control;
  throwIfFailed(CoCreateInstance(classIdOf(classId), nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                 control.putVoid()));
  return bridge_->objectFor(control.get());
}

}  // namespace qh::win

namespace qh::sim {

std::unique_ptr<ServerActivation> makeServerActivation(SimSystem& system) {
  return std::make_unique<win::ComActivation>(system);
}

}  // namespace qh::sim
