#include "hosts/win/automation/DispatchSink.h"

#include "automation/Events.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/EventInterface.h"
#include "hosts/win/automation/InboundArgs.h"
#include "hosts/win/automation/ObjectBridge.h"

namespace qh::win {

DispatchSink::DispatchSink(std::shared_ptr<ObjectBridge> bridge, const EventInterface& events,
                           EventSink& target)
    : bridge_(std::move(bridge)), events_(events), target_(&target) {}

void* DispatchSink::find(REFIID iid) noexcept {
  if (IsEqualIID(iid, events_.diid)) return static_cast<IDispatch*>(this);
  return ComObject::find(iid);
}

HRESULT DispatchSink::GetTypeInfoCount(UINT* count) noexcept {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT DispatchSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT DispatchSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) noexcept {
  for (UINT i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;  // sources call events by DISPID only
}

HRESULT DispatchSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                             EXCEPINFO* exception, UINT*) noexcept {
  try {
    if (result) VariantInit(result);
    const auto name = events_.nameOf(id);
    if (!target_ || !name) return S_OK;
    if (!params) return E_INVALIDARG;
    // The handler may disconnect, dropping the add-in's reference to this sink.
    const ComPtr<IDispatch> keepAlive(this);
    const std::shared_ptr<ObjectBridge> bridge = bridge_;
    InboundArgs inbound(*params, false, *bridge);
    target_->onEvent(*name, inbound.args());
    inbound.writeBack(*bridge);
    return S_OK;
  } catch (...) {
    return hresultFromCurrentException(exception);
  }
}

}  // namespace qh::win
