#include "hosts/win/automation/MemberCall.h"

#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/InboundArgs.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/automation/VariantConversion.h"

namespace qh::win {
namespace {

// A late-bound caller reads a value with PROPERTYGET (often together with METHOD) and calls a
// method for its effect with METHOD alone.
CallKind callKindOf(WORD flags) {
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) return CallKind::Put;
  if (flags & DISPATCH_PROPERTYGET) return CallKind::Get;
  return CallKind::Call;
}

}  // namespace

HRESULT callMember(std::shared_ptr<ObjectBridge> bridge, Ref<Object> object, std::string_view name,
                   WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception) noexcept {
  try {
    if (result) VariantInit(result);
    if (!params) return E_INVALIDARG;
    const CallKind kind = callKindOf(flags);
    InboundArgs inbound(*params, kind == CallKind::Put, *bridge);
    const Variant value = object->invoke(name, kind, inbound.args());
    inbound.writeBack(*bridge);
    if (result && kind != CallKind::Put) toComVariant(value, *bridge).detachTo(result);
    return S_OK;
  } catch (...) {
    return hresultFromCurrentException(exception);
  }
}

}  // namespace qh::win
