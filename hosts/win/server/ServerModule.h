#pragma once

#include <windows.h>

#include <oaidl.h>

#include <atomic>
#include <memory>

#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "platform/System.h"

namespace qh::win {

// What one in-process COM server (one DLL) shares among its objects: the count of objects
// and server locks that keeps it loaded, the bridge through which its objects meet COM, the
// operating system it hands the add-in's code, and its own type library.
//
// The shared parts are made on first use and dropped by release() once nothing of the
// module is alive, so that a server COM unloads and loads again starts afresh. The system is
// Windows (Win32System), unless the environment names a class that gives the host's own
// system by name:
//   QH_HOST_SYSTEM  the CLSID of an in-process class whose objects are SystemObjects
// which a test host registers (CoRegisterClassObject) to run the DLL on its simulated
// system. Outlook never sets it.
class ServerModule {
 public:
  // This module's instance. It is never destroyed: when the process ends, the modules it
  // would release may be gone already.
  static ServerModule& instance();

  ServerModule(const ServerModule&) = delete;
  ServerModule& operator=(const ServerModule&) = delete;

  // Objects of the module's classes and class factories count themselves while they live.
  void objectMade() noexcept { ++objects_; }
  void objectEnded() noexcept { --objects_; }
  void lock(bool on) noexcept { on ? ++locks_ : --locks_; }

  // DllCanUnloadNow: no object, no lock, and no object of ours held by COM through the bridge.
  bool canUnload() const noexcept;
  // Drops the bridge, the system and the type library; for when canUnload() holds.
  void release() noexcept;

  std::shared_ptr<ObjectBridge> bridge();
  platform::System& system();
  // The type information of one of the module's interfaces or classes, from the type library
  // embedded in the DLL (resource TYPELIB 1), loaded without registering it. For a dual
  // interface, the interface (vtable) half, which DispInvoke needs.
  ComPtr<ITypeInfo> typeInfo(REFGUID guid);

 private:
  ServerModule() = default;

  std::atomic<long> objects_{0};
  std::atomic<long> locks_{0};
  std::shared_ptr<ObjectBridge> bridge_;
  std::unique_ptr<platform::System> system_;
  ComPtr<ITypeLib> typeLibrary_;
};

// Keeps the module loaded while an object lives: a member of every COM class of the module.
class ModuleReference {
 public:
  ModuleReference() noexcept { ServerModule::instance().objectMade(); }
  ModuleReference(const ModuleReference&) = delete;
  ModuleReference& operator=(const ModuleReference&) = delete;
  ~ModuleReference() { ServerModule::instance().objectEnded(); }
};

}  // namespace qh::win
