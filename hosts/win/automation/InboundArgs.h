#pragma once

#include <windows.h>

#include <ole2.h>

#include "automation/Variant.h"

namespace qh::win {

class ObjectBridge;

// The arguments of one incoming IDispatch::Invoke as Args, in call order. By-reference
// arguments are read through; writeBack() stores what the handler left in them back into the
// caller's storage. The only named argument accepted is a property put's DISPID_PROPERTYPUT,
// which becomes the last argument (the new value), as invoke() expects.
class InboundArgs {
 public:
  // Throws ComFailure(DISP_E_NONAMEDARGS) for other named arguments.
  InboundArgs(const DISPPARAMS& params, bool put, ObjectBridge& bridge);
  InboundArgs(const InboundArgs&) = delete;
  InboundArgs& operator=(const InboundArgs&) = delete;

  Args& args() noexcept { return args_; }
  void writeBack(ObjectBridge& bridge) const;

 private:
  const VARIANTARG& sourceOf(size_t index) const noexcept;

  const DISPPARAMS& params_;
  Args args_;
};

}  // namespace qh::win
