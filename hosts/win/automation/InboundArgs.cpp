#include "hosts/win/automation/InboundArgs.h"

#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/automation/VariantConversion.h"

namespace qh::win {
namespace {

bool onlyThePutValueIsNamed(const DISPPARAMS& params, bool put) {
  if (params.cNamedArgs == 0) return true;
  return put && params.cNamedArgs == 1 && params.rgdispidNamedArgs &&
         params.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
}

}  // namespace

InboundArgs::InboundArgs(const DISPPARAMS& params, bool put, ObjectBridge& bridge)
    : params_(params) {
  if (!onlyThePutValueIsNamed(params, put)) throw ComFailure(DISP_E_NONAMEDARGS);
  if (params.cArgs < params.cNamedArgs || (params.cArgs && !params.rgvarg))
    throw ComFailure(E_INVALIDARG);
  args_.reserve(params.cArgs);
  for (size_t i = 0; i < params.cArgs; ++i) args_.push_back(fromComVariant(sourceOf(i), bridge));
}

void InboundArgs::writeBack(ObjectBridge& bridge) const {
  for (size_t i = 0; i < args_.size(); ++i) {
    const VARIANTARG& source = sourceOf(i);
    if (V_VT(&source) & VT_BYREF) storeByReference(source, args_[i], bridge);
  }
}

// Positional arguments sit in reverse order after the named ones; the named put value
// (rgvarg[0]) comes last in call order.
const VARIANTARG& InboundArgs::sourceOf(size_t index) const noexcept {
  const size_t named = params_.cNamedArgs;
  const size_t positional = params_.cArgs - named;
  if (index < positional) return params_.rgvarg[params_.cArgs - 1 - index];
  return params_.rgvarg[index - positional];
}

}  // namespace qh::win
