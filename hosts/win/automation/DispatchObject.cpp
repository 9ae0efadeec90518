#include "hosts/win/automation/DispatchObject.h"

#include <ocidl.h>

#include "automation/Events.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/DispatchSink.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/automation/OutboundArgs.h"
#include "hosts/win/automation/VariantConversion.h"
#include "hosts/win/automation/WideText.h"

namespace qh::win {
namespace {

// How a late-bound caller reads a value (a property, or a method's result).
constexpr WORD kGetFlags = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

// An advised sink: unadvises when the add-in drops the connection, and detaches the sink so
// that a source still holding it can no longer reach the add-in's handler.
class SinkConnection : public Connection {
 public:
  SinkConnection(ComPtr<IConnectionPoint> point, DWORD cookie, ComPtr<DispatchSink> sink)
      : point_(std::move(point)), cookie_(cookie), sink_(std::move(sink)) {}
  ~SinkConnection() override {
    sink_->detach();
    point_->Unadvise(cookie_);  // a source that already forgot the sink has nothing to undo
  }

 private:
  ComPtr<IConnectionPoint> point_;
  DWORD cookie_;
  ComPtr<DispatchSink> sink_;
};

}  // namespace

DispatchObject::DispatchObject(std::shared_ptr<ObjectBridge> bridge, ComPtr<IDispatch> dispatch)
    : bridge_(std::move(bridge)),
      dispatch_(std::move(dispatch)),
      unknown_(dispatch_.as<IUnknown>(IID_IUnknown)) {
  if (!dispatch_) throw Error(ErrorCode::ObjectNotSet);
}

Variant DispatchObject::invoke(std::string_view name, CallKind kind, Args& args) {
  const DISPID id = dispIdOf(name);
  if (kind == CallKind::Put) return put(id, args);
  if (kind == CallKind::Call) return call(id, args);
  return invokeOrThrow(id, kGetFlags, args);
}

DISPID DispatchObject::dispIdOf(std::string_view name) {
  if (name.empty()) return DISPID_VALUE;
  std::string key(name);
  if (auto it = dispIds_.find(key); it != dispIds_.end()) return it->second;
  std::wstring wide = widen(name);
  LPOLESTR names[] = {wide.data()};
  DISPID id = DISPID_UNKNOWN;
  throwIfFailed(dispatch_->GetIDsOfNames(IID_NULL, names, 1, kLocale, &id));
  dispIds_.emplace(std::move(key), id);
  return id;
}

Variant DispatchObject::call(DISPID id, Args& args) {
  Variant result;
  EXCEPINFO info{};
  const HRESULT hr = tryInvoke(id, DISPATCH_METHOD, args, result, info);
  if (hr == DISP_E_MEMBERNOTFOUND) return invokeOrThrow(id, kGetFlags, args);
  if (FAILED(hr)) throw errorFromHresult(hr, &info);
  return result;
}

Variant DispatchObject::put(DISPID id, Args& args) {
  if (args.empty()) throw Error(ErrorCode::ArgumentNotOptional);
  if (args.back().isObject() && args.back().toObject()) {
    Variant result;
    EXCEPINFO info{};
    const HRESULT hr = tryInvoke(id, DISPATCH_PROPERTYPUTREF, args, result, info);
    if (hr != DISP_E_MEMBERNOTFOUND) {
      if (FAILED(hr)) throw errorFromHresult(hr, &info);
      return result;
    }
  }
  return invokeOrThrow(id, DISPATCH_PROPERTYPUT, args);
}

Variant DispatchObject::invokeOrThrow(DISPID id, WORD flags, Args& args) {
  Variant result;
  EXCEPINFO info{};
  const HRESULT hr = tryInvoke(id, flags, args, result, info);
  if (FAILED(hr)) throw errorFromHresult(hr, &info);
  return result;
}

HRESULT DispatchObject::tryInvoke(DISPID id, WORD flags, Args& args, Variant& result,
                                  EXCEPINFO& info) {
  const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
  OutboundArgs outbound(args, put ? OutboundArgs::Mode::Put : OutboundArgs::Mode::Call, *bridge_);
  ComVariant value;
  UINT argError = 0;
  // Keep the object alive through the call even if the callee releases the add-in's last
  // other reference to it.
  const ComPtr<IDispatch> callee = dispatch_;
  const HRESULT hr = callee->Invoke(id, IID_NULL, kLocale, flags, outbound.params(),
                                    put ? nullptr : value.put(), &info, &argError);
  if (FAILED(hr)) return hr;
  outbound.copyBack(args, *bridge_);
  result = fromComVariant(value.get(), *bridge_);
  return hr;
}

std::unique_ptr<Connection> DispatchObject::advise(EventSink& sink) {
  const auto container = dispatch_.as<IConnectionPointContainer>();
  if (!container) throw Error(ErrorCode::ActionNotSupported);
  ComPtr<IConnectionPoint> point;
  const EventInterface* events = findEvents(*container.get(), point);
  if (!events) throw Error(ErrorCode::ActionNotSupported);
  ComPtr<DispatchSink> eventSink(new DispatchSink(bridge_, *events, sink));
  DWORD cookie = 0;
  const HRESULT hr = point->Advise(eventSink->identity(), &cookie);
  if (FAILED(hr)) {
    eventSink->detach();
    throw errorFromHresult(hr);
  }
  return std::make_unique<SinkConnection>(std::move(point), cookie, std::move(eventSink));
}

const EventInterface* DispatchObject::findEvents(IConnectionPointContainer& container,
                                                 ComPtr<IConnectionPoint>& point) const {
  const EventInterfaceCatalog& catalog = bridge_->eventInterfaces();
  if (const auto classInfo = dispatch_.as<IProvideClassInfo2>()) {
    GUID source{};
    if (SUCCEEDED(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source))) {
      const EventInterface* events = catalog.find(source);
      if (events && SUCCEEDED(container.FindConnectionPoint(source, point.put()))) return events;
    }
  }
  ComPtr<IEnumConnectionPoints> points;
  if (FAILED(container.EnumConnectionPoints(points.put())) || !points) return nullptr;
  ComPtr<IConnectionPoint> candidate;
  while (points->Next(1, candidate.put(), nullptr) == S_OK) {
    IID iid{};
    if (FAILED(candidate->GetConnectionInterface(&iid))) continue;
    if (const EventInterface* events = catalog.find(iid)) {
      point = candidate;
      return events;
    }
  }
  return nullptr;
}

}  // namespace qh::win
