#pragma once

#include <windows.h>

#include <ole2.h>

namespace qh::win {

// The IUnknown of the binding's own COM objects: one reference count for all the listed
// interfaces, QueryInterface answering IUnknown (always through the first interface, so the
// identity pointer is stable) and each listed interface by its __uuidof. A class that answers
// further IIDs (a base interface, a dispinterface's DIID) or fewer overrides find().
// Objects start with no reference; the creator takes the first (ComPtr::adopt after AddRef, or
// ComPtr(p)). Single-threaded, as everything on Outlook's user-interface thread is.
template <class First, class... Rest>
class ComObject : public First, public Rest... {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
    if (!out) return E_POINTER;
    *out = find(iid);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() noexcept override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

  IUnknown* identity() noexcept { return static_cast<First*>(this); }

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;

  virtual void* find(REFIID iid) noexcept {
    if (iid == IID_IUnknown) return identity();
    if (iid == __uuidof(First)) return static_cast<First*>(this);
    void* found = nullptr;
    ((found = found ? found : iid == __uuidof(Rest) ? static_cast<Rest*>(this) : nullptr), ...);
    return found;
  }

 private:
  ULONG refs_ = 0;
};

}  // namespace qh::win
