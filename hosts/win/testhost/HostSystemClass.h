#pragma once

#include <windows.h>

#include <memory>

#include "automation/Ref.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "platform/System.h"

namespace qh::win {

// Offers a system to the add-in's DLLs in this process: while it lives, the in-process class
// kClassId is registered with COM (CoRegisterClassObject) and named in QH_HOST_SYSTEM, and its
// objects are the system exposed by name (SystemObject). A DLL's ServerModule finds it there
// and runs on that system instead of Windows.
class HostSystemClass {
 public:
  static const CLSID kClassId;

  // COM must be initialised on this thread; the system must outlive the registration.
  HostSystemClass(platform::System& system, std::shared_ptr<ObjectBridge> bridge);
  HostSystemClass(const HostSystemClass&) = delete;
  HostSystemClass& operator=(const HostSystemClass&) = delete;
  ~HostSystemClass();

 private:
  DWORD cookie_ = 0;
};

}  // namespace qh::win
