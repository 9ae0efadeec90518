#pragma once

#include <windows.h>

#include <ocidl.h>

#include <vector>

#include "hosts/win/automation/ComObject.h"
#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/ConnectionPointEnumerator.h"

namespace qh::win::test {

// One connection point of a fake host object. Like Outlook's, Advise asks the sink for the
// event interface itself, not just IDispatch; fire() calls every advised sink the way the
// host raises an event.
class FakeConnectionPoint final : public ComObject<IConnectionPoint> {
 public:
  explicit FakeConnectionPoint(const IID& diid) : diid_(diid) {}

  std::vector<ComPtr<IDispatch>> sinks;  // index = cookie - 1; unadvised ones are empty
  int unadvises = 0;

  HRESULT fire(DISPID id, std::vector<VARIANTARG> reversedArgs, EXCEPINFO* info = nullptr) {
    DISPPARAMS params{reversedArgs.data(), nullptr, static_cast<UINT>(reversedArgs.size()), 0};
    HRESULT last = S_OK;
    for (size_t i = 0; i < sinks.size(); ++i) {
      const ComPtr<IDispatch> sink = sinks[i];  // held through the call, as hosts do
      if (sink)
        last = sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, info, nullptr);
    }
    return last;
  }

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) noexcept override {
    *iid = diid_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE
  GetConnectionPointContainer(IConnectionPointContainer**) noexcept override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) noexcept override {
    ComPtr<IDispatch> events;
    if (FAILED(sink->QueryInterface(diid_, events.putVoid()))) return CONNECT_E_CANNOTCONNECT;
    sinks.push_back(events);
    *cookie = static_cast<DWORD>(sinks.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) noexcept override {
    if (cookie == 0 || cookie > sinks.size() || !sinks[cookie - 1]) return CONNECT_E_NOCONNECTION;
    sinks[cookie - 1].reset();
    ++unadvises;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) noexcept override {
    return E_NOTIMPL;
  }

 private:
  IID diid_;
};

// A fake host object with connection points for the given interfaces, in that order. With a
// default source it also answers IProvideClassInfo2, as Outlook's objects may; without one a
// client has to enumerate the points.
class FakeEventSource final
    : public ComObject<IDispatch, IConnectionPointContainer, IProvideClassInfo2> {
 public:
  FakeEventSource(const std::vector<IID>& interfaces, const IID* defaultSource)
      : hasDefault_(defaultSource != nullptr),
        defaultSource_(defaultSource ? *defaultSource : IID{}) {
    for (const IID& iid : interfaces) points_.emplace_back(new FakeConnectionPoint(iid));
  }

  FakeConnectionPoint& point(size_t i) { return *points_.at(i).get(); }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID,
                                          DISPID*) noexcept override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) noexcept override {
    return DISP_E_MEMBERNOTFOUND;
  }

  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) noexcept override {
    std::vector<ComPtr<IConnectionPoint>> all;
    for (const auto& p : points_) all.emplace_back(p.get());
    *out = ComPtr<IEnumConnectionPoints>(new ConnectionPointEnumerator(all)).detach();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid,
                                                IConnectionPoint** out) noexcept override {
    for (const auto& p : points_) {
      IID pointIid;
      p->GetConnectionInterface(&pointIid);
      if (IsEqualIID(pointIid, iid)) {
        *out = ComPtr<IConnectionPoint>(p.get()).detach();
        return S_OK;
      }
    }
    *out = nullptr;
    return CONNECT_E_NOCONNECTION;
  }

  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo**) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) noexcept override {
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = defaultSource_;
    return S_OK;
  }

 protected:
  void* find(REFIID iid) noexcept override {
    if (!hasDefault_ && IsEqualIID(iid, IID_IProvideClassInfo2)) return nullptr;
    return ComObject::find(iid);
  }

 private:
  std::vector<ComPtr<FakeConnectionPoint>> points_;
  bool hasDefault_;
  IID defaultSource_;
};

}  // namespace qh::win::test
