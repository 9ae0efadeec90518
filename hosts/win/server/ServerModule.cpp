#include "hosts/win/server/ServerModule.h"

#include "hosts/win/automation/ComError.h"
#include "hosts/win/platform/Environment.h"
#include "hosts/win/platform/ModulePath.h"
#include "hosts/win/platform/SystemProxy.h"
#include "hosts/win/platform/Win32System.h"

namespace qh::win {
namespace {

// The host's system the environment names, or null.
Ref<Object> hostSystem(ObjectBridge& bridge) {
  std::wstring name = environmentValue(L"QH_HOST_SYSTEM");
  if (name.empty()) return nullptr;
  CLSID clsid{};
  throwIfFailed(CLSIDFromString(name.data(), &clsid));
  ComPtr<IDispatch> system;
  throwIfFailed(
      CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, system.putVoid()));
  return bridge.objectFor(system.get());
}

// Whether the environment asks for the forms to be drawn here, on the real desktop, while
// the rest of the system is the host's.
bool formsDrawnHere() {
  return environmentValue(L"QH_LOCAL_FORMS") == L"1";
}

}  // namespace

ServerModule& ServerModule::instance() {
  static ServerModule* const module = new ServerModule();
  return *module;
}

bool ServerModule::canUnload() const noexcept {
  return objects_ == 0 && locks_ == 0 && (!bridge_ || bridge_->facesAlive() == 0);
}

void ServerModule::release() noexcept {
  system_.reset();
  bridge_.reset();
  typeLibrary_.reset();
}

std::shared_ptr<ObjectBridge> ServerModule::bridge() {
  if (!bridge_) bridge_ = ObjectBridge::create();
  return bridge_;
}

platform::System& ServerModule::system() {
  if (!system_) {
    if (Ref<Object> host = hostSystem(*bridge()))
      system_ = std::make_unique<SystemProxy>(
          std::move(host), formsDrawnHere() ? std::make_unique<FormWindows>() : nullptr);
    else
      system_ = std::make_unique<Win32System>();
  }
  return *system_;
}

ComPtr<ITypeInfo> ServerModule::typeInfo(REFGUID guid) {
  if (!typeLibrary_)
    throwIfFailed(LoadTypeLibEx(thisModulePath().c_str(), REGKIND_NONE, typeLibrary_.put()));
  ComPtr<ITypeInfo> info;
  throwIfFailed(typeLibrary_->GetTypeInfoOfGuid(guid, info.put()));
  // A dual interface answers its dispatch half; DispInvoke calls through the vtable half.
  HREFTYPE vtableHalf = 0;
  ComPtr<ITypeInfo> vtable;
  if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &vtableHalf)) &&
      SUCCEEDED(info->GetRefTypeInfo(vtableHalf, vtable.put())))
    return vtable;
  return info;
}

}  // namespace qh::win
