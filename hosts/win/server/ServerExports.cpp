#include "hosts/win/server/ServerExports.h"

#include <utility>

#include "hosts/win/automation/ComError.h"

namespace qh::win {

HRESULT classObjectFor(REFCLSID asked, REFCLSID served, ClassFactory::Creator create, REFIID iid,
                       void** object) noexcept {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(asked, served)) return CLASS_E_CLASSNOTAVAILABLE;
  try {
    const ComPtr<IClassFactory> factory(new ClassFactory(std::move(create)));
    return factory->QueryInterface(iid, object);
  } catch (...) {
    return hresultFromCurrentException();
  }
}

HRESULT registrationResult(long status) noexcept {
  return status == 0 ? S_OK : HRESULT_FROM_WIN32(static_cast<DWORD>(status));
}

}  // namespace qh::win
