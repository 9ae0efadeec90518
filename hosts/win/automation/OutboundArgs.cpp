#include "hosts/win/automation/OutboundArgs.h"

#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/automation/VariantConversion.h"

namespace qh::win {

OutboundArgs::OutboundArgs(const Args& args, Mode mode, ObjectBridge& bridge) {
  const size_t count = args.size();
  const bool put = mode == Mode::Put && count > 0;
  values_.reserve(count);
  for (const Variant& arg : args) {
    values_.push_back(toComVariant(arg, bridge));
    byReference_.push_back(passedByReference(arg));
  }
  if (put) byReference_.back() = false;
  slots_.reserve(count);
  for (size_t i = count; i-- > 0;) slots_.push_back(slotFor(i, byReference_[i]));
  params_.rgvarg = slots_.data();
  params_.cArgs = static_cast<UINT>(count);
  if (put) {
    params_.rgdispidNamedArgs = &putId_;
    params_.cNamedArgs = 1;
  }
}

void OutboundArgs::copyBack(Args& args, ObjectBridge& bridge) const {
  for (size_t i = 0; i < values_.size() && i < args.size(); ++i)
    if (byReference_[i]) args[i] = fromComVariant(values_[i].get(), bridge);
}

bool OutboundArgs::passedByReference(const Variant& arg) {
  return !arg.isMissing() && !arg.isObject();
}

VARIANTARG OutboundArgs::slotFor(size_t index, bool byReference) {
  VARIANT& value = values_[index].get();
  if (!byReference) return value;  // a view: values_ keeps ownership
  VARIANTARG slot;
  VariantInit(&slot);
  if (V_VT(&value) == VT_EMPTY || V_VT(&value) == VT_NULL) {
    V_VT(&slot) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&slot) = &value;
  } else {
    // Every member of a VARIANT's value union starts at the same address.
    V_VT(&slot) = VT_BYREF | V_VT(&value);
    V_BYREF(&slot) = &V_I4(&value);
  }
  return slot;
}

}  // namespace qh::win
