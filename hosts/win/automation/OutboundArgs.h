#pragma once

#include <windows.h>

#include <ole2.h>

#include <vector>

#include "automation/Variant.h"
#include "hosts/win/automation/ComVariant.h"

namespace qh::win {

class ObjectBridge;

// The arguments of one outgoing IDispatch::Invoke, built from Args (call order) into
// DISPPARAMS (reverse order), and read back afterwards.
//
// Arguments go by reference, as a late-bound caller passes its variables, so that the callee
// can write them (a Cancel flag): each as VT_BYREF to a value of its own type, Empty and Null
// as VT_BYREF|VT_VARIANT. Omitted arguments and objects go by value. For a property put, the
// last argument is the new value, passed by value as the named argument DISPID_PROPERTYPUT.
class OutboundArgs {
 public:
  enum class Mode { Call, Put };

  OutboundArgs(const Args& args, Mode mode, ObjectBridge& bridge);
  OutboundArgs(const OutboundArgs&) = delete;
  OutboundArgs& operator=(const OutboundArgs&) = delete;

  DISPPARAMS* params() noexcept { return &params_; }
  // After the call: the values the callee left in the by-reference arguments.
  void copyBack(Args& args, ObjectBridge& bridge) const;

 private:
  static bool passedByReference(const Variant& arg);
  VARIANTARG slotFor(size_t index, bool byReference);

  std::vector<ComVariant> values_;  // call order; owns what the slots point at
  std::vector<bool> byReference_;
  std::vector<VARIANTARG> slots_;  // reverse order; views of values_, never cleared
  DISPID putId_ = DISPID_PROPERTYPUT;
  DISPPARAMS params_{};
};

}  // namespace qh::win
