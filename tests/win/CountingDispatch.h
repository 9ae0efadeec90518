#pragma once

#include <windows.h>

#include <ole2.h>

namespace qh::win::test {

// An IDispatch that only counts: AddRef and Release calls and the references held. It never
// deletes itself, so a test can check the count after every holder has gone.
class CountingDispatch : public IDispatch {
 public:
  ULONG refs = 0;
  int addRefs = 0;
  int releases = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override {
    ++addRefs;
    return ++refs;
  }
  ULONG STDMETHODCALLTYPE Release() noexcept override {
    ++releases;
    return --refs;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID,
                                          DISPID*) noexcept override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) noexcept override {
    return E_NOTIMPL;
  }
};

}  // namespace qh::win::test
