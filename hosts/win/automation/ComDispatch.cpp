#include "hosts/win/automation/ComDispatch.h"

#include <olectl.h>

#include "hosts/win/automation/ComConnectionPoint.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/EventInterface.h"
#include "hosts/win/automation/MemberCall.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/automation/SinglePointContainer.h"
#include "hosts/win/automation/WideText.h"

namespace qh::win {

ComDispatch::ComDispatch(std::shared_ptr<ObjectBridge> bridge, Ref<Object> object,
                         const EventInterface* events)
    : bridge_(std::move(bridge)), object_(std::move(object)) {
  if (events) relay_.emplace(bridge_, *object_, *events);
}

ComDispatch::~ComDispatch() {
  relay_.reset();  // unsubscribe while the object is certainly alive
  bridge_->forget(*this);
}

void* ComDispatch::find(REFIID iid) noexcept {
  const bool eventInterface = IsEqualIID(iid, IID_IConnectionPointContainer) ||
                              IsEqualIID(iid, IID_IProvideClassInfo2) ||
                              IsEqualIID(iid, IID_IProvideClassInfo);
  if (eventInterface && !relay_) return nullptr;
  if (IsEqualIID(iid, IID_IProvideClassInfo)) return static_cast<IProvideClassInfo2*>(this);
  return ComObject::find(iid);
}

HRESULT ComDispatch::GetTypeInfoCount(UINT* count) noexcept {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT ComDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT ComDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                   DISPID* ids) noexcept {
  try {
    if (!names || !ids) return E_POINTER;
    if (count == 0) return S_OK;
    // Names are plain wide strings here, not BSTRs.
    ids[0] = bridge_->dispIds().idOf(narrow(names[0] ? names[0] : L""));
    // Members take no named arguments.
    for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
  } catch (...) {
    return hresultFromCurrentException();
  }
}

HRESULT ComDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                            VARIANT* result, EXCEPINFO* exception, UINT*) noexcept {
  try {
    if (result) VariantInit(result);
    const auto name = bridge_->dispIds().nameOf(id);
    if (!name) return DISP_E_MEMBERNOTFOUND;
    // The member may release the caller's last reference to this object.
    const ComPtr<IDispatch> keepAlive(this);
    return callMember(bridge_, object_, *name, flags, params, result, exception);
  } catch (...) {
    return hresultFromCurrentException(exception);
  }
}

HRESULT ComDispatch::EnumConnectionPoints(IEnumConnectionPoints** points) noexcept {
  return enumerateSinglePoint([this] { return connectionPoint(); }, points);
}

HRESULT ComDispatch::FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept {
  return findSinglePoint(
      iid, relay_->events().diid, [this] { return connectionPoint(); }, point);
}

HRESULT ComDispatch::GetClassInfo(ITypeInfo** info) noexcept {
  if (info) *info = nullptr;
  return E_NOTIMPL;  // the object is known by name only; it has no type library
}

HRESULT ComDispatch::GetGUID(DWORD kind, GUID* guid) noexcept {
  if (!guid) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
  *guid = relay_->events().diid;
  return S_OK;
}

ComPtr<IConnectionPoint> ComDispatch::connectionPoint() {
  const ComPtr<IConnectionPointContainer> self(this);
  return ComPtr<IConnectionPoint>(new ComConnectionPoint(self, *relay_));
}

}  // namespace qh::win
