#include "hosts/win/automation/VariantConversion.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <new>

#include "automation/Error.h"
#include "automation/Object.h"
#include "hosts/win/automation/Bstr.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/ObjectBridge.h"

namespace qh::win {
namespace {

[[noreturn]] void mismatch() {
  throw Error(ErrorCode::TypeMismatch);
}

// For the functions that only read a VARIANT but are declared without const.
VARIANT* readOnly(const VARIANT& v) {
  return const_cast<VARIANT*>(&v);
}

struct SafeArrayDestroyer {
  void operator()(SAFEARRAY* a) const noexcept { SafeArrayDestroy(a); }
};
using SafeArrayPtr = std::unique_ptr<SAFEARRAY, SafeArrayDestroyer>;

// Direct access to an array's elements for as long as it lives.
class ArrayData {
 public:
  explicit ArrayData(SAFEARRAY* array) : array_(array) {
    throwIfFailed(SafeArrayAccessData(array_, &data_));
  }
  ArrayData(const ArrayData&) = delete;
  ArrayData& operator=(const ArrayData&) = delete;
  ~ArrayData() { SafeArrayUnaccessData(array_); }

  template <class T>
  T* as() const noexcept {
    return static_cast<T*>(data_);
  }

 private:
  SAFEARRAY* array_;
  void* data_ = nullptr;
};

size_t elementCount(SAFEARRAY* array) {
  if (SafeArrayGetDim(array) != 1) mismatch();
  LONG lower = 0, upper = -1;
  throwIfFailed(SafeArrayGetLBound(array, 1, &lower));
  throwIfFailed(SafeArrayGetUBound(array, 1, &upper));
  return upper < lower ? 0 : static_cast<size_t>(upper - lower) + 1;
}

StringArray stringArrayFrom(VARTYPE elementType, SAFEARRAY* array, ObjectBridge& bridge) {
  if (!array) return StringArray{};
  const size_t count = elementCount(array);
  StringArray result = StringArray::of({});
  result.items.reserve(count);
  ArrayData data(array);
  for (size_t i = 0; i < count; ++i) {
    if (elementType == VT_BSTR)
      result.items.push_back(utf8Of(data.as<BSTR>()[i]));
    else
      result.items.push_back(fromComVariant(data.as<VARIANT>()[i], bridge).toString());
  }
  return result;
}

SafeArrayPtr safeArrayOf(const StringArray& strings) {
  if (!strings.assigned) return nullptr;
  SafeArrayPtr array(SafeArrayCreateVector(VT_BSTR, 0, static_cast<ULONG>(strings.items.size())));
  if (!array) throw std::bad_alloc();
  ArrayData data(array.get());
  for (size_t i = 0; i < strings.items.size(); ++i)
    data.as<BSTR>()[i] = Bstr::fromUtf8(strings.items[i]).detach();
  return array;
}

// A number in another COM type, as the nearest of the types the add-in knows.
Variant fromOtherNumber(const VARIANT& value) {
  ComVariant asDouble;
  if (FAILED(VariantChangeType(asDouble.put(), readOnly(value), 0, VT_R8))) mismatch();
  const double d = V_R8(&asDouble.get());
  switch (V_VT(&value)) {
    case VT_I1:
    case VT_UI1:
      return Variant(static_cast<std::int16_t>(d));
    case VT_UI2:
    case VT_INT:
    case VT_UINT:
    case VT_UI4:
    case VT_I8:
    case VT_UI8:
      if (d >= INT32_MIN && d <= INT32_MAX) return Variant(static_cast<int>(d));
      return Variant(d);
    default:
      return Variant(d);
  }
}

Variant fromUnknown(IUnknown* unknown, ObjectBridge& bridge) {
  if (!unknown) return Variant(Ref<Object>());
  ComPtr<IDispatch> dispatch;
  if (FAILED(unknown->QueryInterface(IID_IDispatch, dispatch.putVoid()))) mismatch();
  return Variant(bridge.objectFor(dispatch.get()));
}

Variant fromByReference(const VARIANT& value, ObjectBridge& bridge) {
  if (V_VT(&value) == (VT_BYREF | VT_VARIANT)) {
    if (!V_VARIANTREF(&value)) mismatch();
    return fromComVariant(*V_VARIANTREF(&value), bridge);
  }
  ComVariant copy;
  if (FAILED(VariantCopyInd(copy.put(), readOnly(value)))) mismatch();
  return fromComVariant(copy.get(), bridge);
}

IDispatch* detachedDispatchOf(const Variant& value, ObjectBridge& bridge) {
  const Ref<Object> object = value.toObject();
  return object ? bridge.dispatchFor(*object).detach() : nullptr;
}

}  // namespace

Variant fromComVariant(const VARIANT& value, ObjectBridge& bridge) {
  const VARTYPE type = V_VT(&value);
  if (type & VT_BYREF) return fromByReference(value, bridge);
  if (type & VT_ARRAY) {
    const VARTYPE element = type & VT_TYPEMASK;
    if (element != VT_BSTR && element != VT_VARIANT) mismatch();
    return Variant(stringArrayFrom(element, V_ARRAY(&value), bridge));
  }
  switch (type) {
    case VT_EMPTY:
      return Variant();
    case VT_NULL:
      return Variant::null();
    case VT_BOOL:
      return Variant(V_BOOL(&value) != VARIANT_FALSE);
    case VT_I2:
      return Variant(static_cast<std::int16_t>(V_I2(&value)));
    case VT_I4:
      return Variant(static_cast<int>(V_I4(&value)));
    case VT_R8:
      return Variant(V_R8(&value));
    case VT_DATE:
      return Variant(Date(V_DATE(&value)));
    case VT_BSTR:
      return Variant(utf8Of(V_BSTR(&value)));
    case VT_DISPATCH:
      return Variant(bridge.objectFor(V_DISPATCH(&value)));
    case VT_UNKNOWN:
      return fromUnknown(V_UNKNOWN(&value), bridge);
    case VT_ERROR:
      return Variant::missing();
    case VT_I1:
    case VT_UI1:
    case VT_UI2:
    case VT_INT:
    case VT_UINT:
    case VT_UI4:
    case VT_I8:
    case VT_UI8:
    case VT_R4:
    case VT_CY:
    case VT_DECIMAL:
      return fromOtherNumber(value);
    default:
      mismatch();
  }
}

ComVariant toComVariant(const Variant& value, ObjectBridge& bridge) {
  ComVariant result;
  VARIANT& v = result.get();
  switch (value.type()) {
    case Variant::Type::Empty:
      break;
    case Variant::Type::Null:
      V_VT(&v) = VT_NULL;
      break;
    case Variant::Type::Bool:
      V_VT(&v) = VT_BOOL;
      V_BOOL(&v) = value.toBool() ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case Variant::Type::Int16:
      V_VT(&v) = VT_I2;
      V_I2(&v) = value.toInt16();
      break;
    case Variant::Type::Int32:
      V_VT(&v) = VT_I4;
      V_I4(&v) = value.toInt32();
      break;
    case Variant::Type::Double:
      V_VT(&v) = VT_R8;
      V_R8(&v) = value.toDouble();
      break;
    case Variant::Type::Date:
      V_VT(&v) = VT_DATE;
      V_DATE(&v) = value.toDate().serial();
      break;
    case Variant::Type::String:
      V_BSTR(&v) = Bstr::fromUtf8(value.asString()).detach();
      V_VT(&v) = VT_BSTR;
      break;
    case Variant::Type::Object:
      V_DISPATCH(&v) = detachedDispatchOf(value, bridge);
      V_VT(&v) = VT_DISPATCH;
      break;
    case Variant::Type::StringArray:
      V_ARRAY(&v) = safeArrayOf(value.toStringArray()).release();
      V_VT(&v) = VT_ARRAY | VT_BSTR;
      break;
    case Variant::Type::Missing:
      V_VT(&v) = VT_ERROR;
      V_ERROR(&v) = DISP_E_PARAMNOTFOUND;
      break;
  }
  return result;
}

void storeByReference(const VARIANT& target, const Variant& value, ObjectBridge& bridge) {
  const VARTYPE type = V_VT(&target);
  if (!(type & VT_BYREF) || !V_BYREF(&target)) return;
  switch (type & ~VT_BYREF) {
    case VT_VARIANT: {
      ComVariant converted = toComVariant(value, bridge);
      VariantClear(V_VARIANTREF(&target));
      converted.detachTo(V_VARIANTREF(&target));
      break;
    }
    case VT_BOOL:
      *V_BOOLREF(&target) = value.toBool() ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case VT_I2:
      *V_I2REF(&target) = value.toInt16();
      break;
    case VT_I4:
      *V_I4REF(&target) = value.toInt32();
      break;
    case VT_R8:
      *V_R8REF(&target) = value.toDouble();
      break;
    case VT_DATE:
      *V_DATEREF(&target) = value.toDate().serial();
      break;
    case VT_BSTR: {
      BSTR text = Bstr::fromUtf8(value.toString()).detach();
      SysFreeString(*V_BSTRREF(&target));
      *V_BSTRREF(&target) = text;
      break;
    }
    case VT_DISPATCH: {
      IDispatch* dispatch = detachedDispatchOf(value, bridge);
      if (IDispatch* old = *V_DISPATCHREF(&target)) old->Release();
      *V_DISPATCHREF(&target) = dispatch;
      break;
    }
    case VT_ARRAY | VT_BSTR: {
      SAFEARRAY* array = safeArrayOf(value.toStringArray()).release();
      SafeArrayDestroy(*V_ARRAYREF(&target));
      *V_ARRAYREF(&target) = array;
      break;
    }
    default:
      break;
  }
}

}  // namespace qh::win
