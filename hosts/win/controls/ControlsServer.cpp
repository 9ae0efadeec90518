// The exports of QuillhourControls.dll, the control library's in-process COM server.
#include <windows.h>

#include <QuillhourControls_h.h>

#include "controls/ControlsRegistration.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/controls/PaneControl.h"
#include "hosts/win/platform/ModulePath.h"
#include "hosts/win/platform/Win32System.h"
#include "hosts/win/server/ServerExports.h"

using qh::win::ServerModule;

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  return qh::win::classObjectFor(clsid, CLSID_InspectorPane, &qh::win::PaneControl::create, iid,
                                 object);
}

STDAPI DllCanUnloadNow() {
  ServerModule& module = ServerModule::instance();
  if (!module.canUnload()) return S_FALSE;
  module.release();
  return S_OK;
}

STDAPI DllRegisterServer() {
  qh::win::Win32System system;
  return qh::win::registrationResult(
      qh::controls::RegisterControls(system, qh::win::narrow(qh::win::thisModulePath())));
}

STDAPI DllUnregisterServer() {
  qh::win::Win32System system;
  return qh::win::registrationResult(qh::controls::UnregisterControls(system));
}
