#pragma once

#include <windows.h>

#include <ocidl.h>
#include <ole2.h>

#include <memory>
#include <optional>

#include "automation/Object.h"
#include "hosts/win/automation/ComObject.h"
#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/EventRelay.h"

namespace qh::win {

class ObjectBridge;
struct EventInterface;

// IDispatch over one of our automation objects, for COM callers (Office calling the add-in's
// callbacks, a test host exposing simulated objects). Made only by ObjectBridge, which keeps
// one per object.
// - GetIDsOfNames gives every name a DISPID from the bridge's table (the object alone knows
//   whether it has the member); Invoke maps the DISPID back and calls invoke() (see
//   MemberCall.h for how the flags map to the kind of call).
// - An Error becomes DISP_E_EXCEPTION with its description and code in the EXCEPINFO.
// - An object that raises events through a known interface also answers
//   IConnectionPointContainer (one connection point, for that interface) and
//   IProvideClassInfo2 (the interface as its default source); others do not.
class ComDispatch final
    : public ComObject<IDispatch, IConnectionPointContainer, IProvideClassInfo2> {
 public:
  ComDispatch(std::shared_ptr<ObjectBridge> bridge, Ref<Object> object,
              const EventInterface* events);

  Object& object() const noexcept { return *object_; }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale,
                                        ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) noexcept override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argError) noexcept override;

  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) noexcept override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid,
                                                IConnectionPoint** point) noexcept override;

  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) noexcept override;

 protected:
  void* find(REFIID iid) noexcept override;

 private:
  ~ComDispatch() override;
  ComPtr<IConnectionPoint> connectionPoint();

  std::shared_ptr<ObjectBridge> bridge_;
  Ref<Object> object_;
  std::optional<EventRelay> relay_;
};

}  // namespace qh::win
