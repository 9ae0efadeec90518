#pragma once

#include <windows.h>

#include <ole2.h>

#include "automation/Variant.h"
#include "hosts/win/automation/ComVariant.h"

namespace qh::win {

class ObjectBridge;

// Variant <-> VARIANT, the one place where values cross the COM boundary.
//
// To COM: Empty VT_EMPTY, Null VT_NULL, Bool VT_BOOL (-1/0), Int16 VT_I2, Int32 VT_I4,
// Double VT_R8, Date VT_DATE, String VT_BSTR (UTF-16), Object VT_DISPATCH (Nothing is a
// null pointer), StringArray VT_ARRAY|VT_BSTR with lower bound 0 (unassigned: a null
// SAFEARRAY*), Missing VT_ERROR/DISP_E_PARAMNOTFOUND.
//
// From COM, besides those: by-reference values are read through; the other integer types
// become Int16 (8-bit) or Int32, or Double when they do not fit; VT_R4, VT_CY and VT_DECIMAL
// become Double; VT_UNKNOWN becomes an object when it has IDispatch; any VT_ERROR is
// Missing; a one-dimensional array of BSTR or of VARIANTs holding text is a StringArray.
// Anything else raises Error("Type mismatch").
Variant fromComVariant(const VARIANT& value, ObjectBridge& bridge);
ComVariant toComVariant(const Variant& value, ObjectBridge& bridge);

// Writes value through a by-reference VARIANT (VT_BYREF|...), into the caller's storage and in
// the caller's type: a VT_BYREF|VT_BOOL Cancel receives VARIANT_TRUE or VARIANT_FALSE, a
// VT_BYREF|VT_VARIANT receives the whole value. What the storage held is released. Types the
// add-in never writes back (VT_BYREF|VT_UI1, ...) are left as they are.
void storeByReference(const VARIANT& target, const Variant& value, ObjectBridge& bridge);

}  // namespace qh::win
