// The exports of Quillhour.dll, the in-process COM server Outlook loads the add-in from.
#include <windows.h>

#include <Quillhour_h.h>

#include "core/Globals.h"
#include "core/Registration.h"
#include "hosts/win/addin/ConnectClass.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/platform/ModulePath.h"
#include "hosts/win/platform/Win32System.h"
#include "hosts/win/server/ServerExports.h"

using qh::win::ServerModule;

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  return qh::win::classObjectFor(clsid, CLSID_Connect, &qh::win::ConnectClass::create, iid, object);
}

STDAPI DllCanUnloadNow() {
  ServerModule& module = ServerModule::instance();
  if (!module.canUnload()) return S_FALSE;
  // Nothing of the add-in is held any more: what its globals still keep goes now, so that a
  // later load starts afresh.
  qh::core::resetGlobals();
  module.release();
  return S_OK;
}

// Registration is the current user's, in the real registry, whatever system the add-in runs on.
STDAPI DllRegisterServer() {
  qh::win::Win32System system;
  return qh::win::registrationResult(
      qh::core::RegisterAddin(system, qh::win::narrow(qh::win::thisModulePath())));
}

STDAPI DllUnregisterServer() {
  qh::win::Win32System system;
  return qh::win::registrationResult(qh::core::UnregisterAddin(system));
}
