#pragma once

#include <windows.h>

#include <ole2.h>

#include <memory>
#include <string_view>

#include "automation/Object.h"

namespace qh::win {

class ObjectBridge;

// Answers one IDispatch::Invoke with a call of one of our objects' members by name: the
// arguments come in through InboundArgs (by-reference ones written back afterwards), the
// result goes out through VariantConversion, and a failure becomes DISP_E_EXCEPTION with its
// description in the EXCEPINFO. PUT and PUTREF are Put, a call with DISPATCH_PROPERTYGET is
// Get, and DISPATCH_METHOD alone is Call. The object and the bridge are held through the call,
// which may release the caller's last reference to either.
HRESULT callMember(std::shared_ptr<ObjectBridge> bridge, Ref<Object> object, std::string_view name,
                   WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception) noexcept;

}  // namespace qh::win
