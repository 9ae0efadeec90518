#include "hosts/win/server/ClassFactory.h"

#include "hosts/win/automation/ErrorInfo.h"

namespace qh::win {

ClassFactory::ClassFactory(Creator create) : create_(std::move(create)) {}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) noexcept {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  try {
    const ComPtr<IUnknown> made = create_();
    return made->QueryInterface(iid, object);
  } catch (...) {
    return reportCurrentException(IID_IClassFactory);
  }
}

HRESULT ClassFactory::LockServer(BOOL lock) noexcept {
  ServerModule::instance().lock(lock != FALSE);
  return S_OK;
}

}  // namespace qh::win
