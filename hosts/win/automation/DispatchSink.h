#pragma once

#include <windows.h>

#include <ole2.h>

#include <memory>

#include "hosts/win/automation/ComObject.h"

namespace qh {
class EventSink;
}

namespace qh::win {

class ObjectBridge;
struct EventInterface;

// The add-in's sink on one event interface of one source: a dispinterface implementation
// that answers QueryInterface for the interface's DIID (real connection points ask for it),
// names each incoming DISPID by the interface's table and hands the event to an EventSink.
// DISPIDs the add-in does not handle are accepted and ignored. By-reference arguments
// (Cancel, CancelDefault) are written back after the handler ran; a handler's failure goes
// back to the source as DISP_E_EXCEPTION.
class DispatchSink final : public ComObject<IDispatch> {
 public:
  DispatchSink(std::shared_ptr<ObjectBridge> bridge, const EventInterface& events,
               EventSink& target);

  // From now on events are accepted and dropped (the add-in disconnected).
  void detach() noexcept { target_ = nullptr; }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale,
                                        ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) noexcept override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argError) noexcept override;

 protected:
  void* find(REFIID iid) noexcept override;

 private:
  std::shared_ptr<ObjectBridge> bridge_;
  const EventInterface& events_;
  EventSink* target_;
};

}  // namespace qh::win
