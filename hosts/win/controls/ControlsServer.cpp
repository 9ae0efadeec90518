// The exports of QuillhourControls.dll, the control library's in-process COM server.
#include <windows.h>

#include <QuillhourControls_h.h>

#include "controls/ControlsRegistration.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/controls/PaneControl.h"
#include "hosts/win/platform/ModulePath.h"
#include "hosts/win/platform/Win32System.h"
#include "hosts/win/server/ClassFactory.h"

using qh::win::ClassFactory;
using qh::win::ComPtr;
using qh::win::ServerModule;

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_InspectorPane)) return CLASS_E_CLASSNOTAVAILABLE;
  try {
    const ComPtr<IClassFactory> factory(new ClassFactory(&qh::win::PaneControl::create));
    return factory->QueryInterface(iid, object);
  } catch (...) {
    return qh::win::hresultFromCurrentException();
  }
}

STDAPI DllCanUnloadNow() {
  ServerModule& module = ServerModule::instance();
  if (!module.canUnload()) return S_FALSE;
  module.release();
  return S_OK;
}

STDAPI DllRegisterServer() {
  qh::win::Win32System system;
  const long rc =
      qh::controls::RegisterControls(system, qh::win::narrow(qh::win::thisModulePath()));
  return rc == 0 ? S_OK : HRESULT_FROM_WIN32(static_cast<DWORD>(rc));
}

STDAPI DllUnregisterServer() {
  qh::win::Win32System system;
  const long rc = qh::controls::UnregisterControls(system);
  return rc == 0 ? S_OK : HRESULT_FROM_WIN32(static_cast<DWORD>(rc));
}
