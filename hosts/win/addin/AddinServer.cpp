// The exports of Quillhour.dll, the in-process COM server Outlook loads the add-in from.
#include <windows.h>

#include <Quillhour_h.h>

#include "core/Globals.h"
#include "core/Registration.h"
#include "hosts/win/addin/ConnectClass.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/platform/ModulePath.h"
#include "hosts/win/platform/Win32System.h"
#include "hosts/win/server/ClassFactory.h"

using qh::win::ClassFactory;
using qh::win::ComPtr;
using qh::win::ServerModule;

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_Connect)) return CLASS_E_CLASSNOTAVAILABLE;
  try {
    const ComPtr<IClassFactory> factory(new ClassFactory(&qh::win::ConnectClass::create));
    return factory->QueryInterface(iid, object);
  } catch (...) {
    return qh::win::hresultFromCurrentException();
  }
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
  const long rc = qh::core::RegisterAddin(system, qh::win::narrow(qh::win::thisModulePath()));
  return rc == 0 ? S_OK : HRESULT_FROM_WIN32(static_cast<DWORD>(rc));
}

STDAPI DllUnregisterServer() {
  qh::win::Win32System system;
  const long rc = qh::core::UnregisterAddin(system);
  return rc == 0 ? S_OK : HRESULT_FROM_WIN32(static_cast<DWORD>(rc));
}
