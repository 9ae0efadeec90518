#pragma once

#include <windows.h>

#include <oleauto.h>

#include <memory>

#include "automation/Object.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/MemberCall.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/server/MemberNames.h"

namespace qh::win {

// The IDispatch half of a dual interface I: names and DISPIDs come from I's type
// information, and a call by DISPID goes to the automation object behind the class, by the
// member's name, exactly as a caller on the simulated host reaches it. So the early-bound
// (vtable) and the late-bound way end in the same code, and a late-bound caller meets the
// object's own checks of its arguments rather than a type library's coercion.
//
// A class implementing several dual interfaces derives from one DualDispatch per interface;
// each interface pointer then answers its own members, as COM expects of every interface
// derived from IDispatch.
template <class I>
class DualDispatch : public I {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    *info = ComPtr<ITypeInfo>(names_.typeInfo()).detach();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) noexcept override {
    try {
      return names_.idsOf(names, count, ids);
    } catch (...) {
      return hresultFromCurrentException();
    }
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT*) noexcept override {
    try {
      if (result) VariantInit(result);
      const auto name = names_.nameOf(id);
      if (!name) return DISP_E_MEMBERNOTFOUND;
      const ComPtr<IUnknown> keepAlive(static_cast<I*>(this));
      return callMember(bridge_, Ref<Object>(&automationObject()), *name, flags, params, result,
                        exception);
    } catch (...) {
      return hresultFromCurrentException(exception);
    }
  }

 protected:
  // open: the interface also answers the object's members it does not declare.
  DualDispatch(ComPtr<ITypeInfo> typeInfo, std::shared_ptr<ObjectBridge> bridge, bool open)
      : names_(std::move(typeInfo), open), bridge_(std::move(bridge)) {}
  virtual ~DualDispatch() = default;

  // The object whose members the interface's calls reach.
  virtual Object& automationObject() noexcept = 0;

 private:
  MemberNames names_;
  std::shared_ptr<ObjectBridge> bridge_;
};

}  // namespace qh::win
