#pragma once

#include <windows.h>

#include "hosts/win/server/ClassFactory.h"

namespace qh::win {

// What the exports of a module serving one COM class have in common.

// DllGetClassObject: a factory for create when asked for the served class, else
// CLASS_E_CLASSNOTAVAILABLE.
HRESULT classObjectFor(REFCLSID asked, REFCLSID served, ClassFactory::Creator create, REFIID iid,
                       void** object) noexcept;

// DllRegisterServer and DllUnregisterServer: a registration routine's Win32 status (0 for
// success) as the HRESULT they answer.
HRESULT registrationResult(long status) noexcept;

}  // namespace qh::win
