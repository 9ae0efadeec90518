#include "hosts/win/automation/ComConnectionPoint.h"

#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/EventInterface.h"
#include "hosts/win/automation/EventRelay.h"

namespace qh::win {

ComConnectionPoint::ComConnectionPoint(ComPtr<IConnectionPointContainer> container,
                                       EventRelay& relay)
    : container_(std::move(container)), relay_(relay) {}

HRESULT ComConnectionPoint::GetConnectionInterface(IID* iid) noexcept {
  if (!iid) return E_POINTER;
  *iid = relay_.events().diid;
  return S_OK;
}

HRESULT ComConnectionPoint::GetConnectionPointContainer(
    IConnectionPointContainer** container) noexcept {
  if (!container) return E_POINTER;
  *container = ComPtr<IConnectionPointContainer>(container_).detach();
  return S_OK;
}

HRESULT ComConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) noexcept {
  try {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    *cookie = relay_.advise(sink);
    return S_OK;
  } catch (...) {
    return hresultFromCurrentException();
  }
}

HRESULT ComConnectionPoint::Unadvise(DWORD cookie) noexcept {
  try {
    relay_.unadvise(cookie);
    return S_OK;
  } catch (...) {
    return hresultFromCurrentException();
  }
}

HRESULT ComConnectionPoint::EnumConnections(IEnumConnections** connections) noexcept {
  if (connections) *connections = nullptr;
  return E_NOTIMPL;
}

}  // namespace qh::win
