#pragma once

#include <windows.h>

#include <ocidl.h>
#include <ole2.h>

#include "hosts/win/automation/ComObject.h"
#include "hosts/win/automation/ComPtr.h"

namespace qh::win {

class EventRelay;

// The connection point of one of our objects for its event interface. It holds its
// container, which owns the relay, so the relay lives as long as any point handed out.
// Enumerating the connections is not offered (E_NOTIMPL, which the interface allows).
class ComConnectionPoint final : public ComObject<IConnectionPoint> {
 public:
  ComConnectionPoint(ComPtr<IConnectionPointContainer> container, EventRelay& relay);

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) noexcept override;
  HRESULT STDMETHODCALLTYPE
  GetConnectionPointContainer(IConnectionPointContainer** container) noexcept override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) noexcept override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) noexcept override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) noexcept override;

 private:
  ComPtr<IConnectionPointContainer> container_;
  EventRelay& relay_;
};

}  // namespace qh::win
