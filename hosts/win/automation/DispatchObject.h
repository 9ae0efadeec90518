#pragma once

#include <windows.h>

#include <ocidl.h>
#include <ole2.h>

#include <memory>
#include <string>
#include <unordered_map>

#include "automation/Object.h"
#include "hosts/win/automation/ComPtr.h"

namespace qh::win {

class ObjectBridge;
struct EventInterface;

// An automation object over any IDispatch: a host object of Outlook, Office or Excel, or
// anything else COM hands the add-in. Members are found with GetIDsOfNames (remembered per
// object and spelling) and reached with Invoke; "" is DISPID_VALUE.
// - Get: DISPATCH_METHOD | DISPATCH_PROPERTYGET, as a late-bound caller reads a value. Call:
//   DISPATCH_METHOD, as it calls a method for its effect, falling back to both flags when the
//   member is a property (DISP_E_MEMBERNOTFOUND). Put: DISPATCH_PROPERTYPUTREF for an object
//   value, falling back to DISPATCH_PROPERTYPUT when the member has no PUTREF.
// - Arguments are passed as OutboundArgs describes; what the callee wrote into by-reference
//   arguments is copied back into args.
// - A failure raises Error with the EXCEPINFO description, or the system's text for the
//   HRESULT (see ComError.h).
// - Names are looked up and calls made in the locale 1033 (English, United States), whatever
//   the user's: the add-in names members and writes values in English, and a host such as a
//   German Excel reads names and converts argument values by the locale it is given.
// - identity() is the IUnknown pointer, COM's identity.
// - advise() connects to the object's default event interface (see advise()).
class DispatchObject final : public Object {
 public:
  static constexpr LCID kLocale = 1033;

  DispatchObject(std::shared_ptr<ObjectBridge> bridge, ComPtr<IDispatch> dispatch);

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;
  const void* identity() const noexcept override { return unknown_.get(); }
  // Finds the event interface through IProvideClassInfo2 (the default source), or else the
  // first connection point whose interface the bridge's catalog knows, and advises a sink
  // that answers QueryInterface for that DIID and names the events by their DISPIDs. Raises
  // Error(ActionNotSupported) when the object has no such events.
  std::unique_ptr<Connection> advise(EventSink& sink) override;

  IDispatch* dispatch() const noexcept { return dispatch_.get(); }

 private:
  DISPID dispIdOf(std::string_view name);
  Variant invokeOrThrow(DISPID id, WORD flags, Args& args);
  HRESULT tryInvoke(DISPID id, WORD flags, Args& args, Variant& result, EXCEPINFO& info);
  Variant put(DISPID id, Args& args);
  Variant call(DISPID id, Args& args);
  const EventInterface* findEvents(IConnectionPointContainer& container,
                                   ComPtr<IConnectionPoint>& point) const;

  std::shared_ptr<ObjectBridge> bridge_;
  ComPtr<IDispatch> dispatch_;
  ComPtr<IUnknown> unknown_;
  std::unordered_map<std::string, DISPID> dispIds_;  // by name as spelt
};

}  // namespace qh::win
