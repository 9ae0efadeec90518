#include "hosts/win/automation/EventRelay.h"

#include <olectl.h>

#include <algorithm>

#include "automation/Events.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/EventInterface.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/automation/OutboundArgs.h"

namespace qh::win {

class EventRelay::Forwarder : public EventSink {
 public:
  Forwarder(std::shared_ptr<ObjectBridge> bridge, const EventInterface& events,
            ComPtr<IDispatch> sink)
      : bridge_(std::move(bridge)), events_(events), sink_(std::move(sink)) {}

  void onEvent(std::string_view name, Args& args) override {
    const auto id = events_.dispIdOf(name);
    if (!id) return;
    // The sink may unadvise while it handles the event, which ends this forwarder: from the
    // call on, only locals are used.
    const ComPtr<IDispatch> sink = sink_;
    const std::shared_ptr<ObjectBridge> bridge = bridge_;
    OutboundArgs outbound(args, OutboundArgs::Mode::Call, *bridge);
    EXCEPINFO info{};
    UINT argError = 0;
    const HRESULT hr = sink->Invoke(*id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                    outbound.params(), nullptr, &info, &argError);
    if (FAILED(hr)) throw errorFromHresult(hr, &info);
    outbound.copyBack(args, *bridge);
  }

 private:
  std::shared_ptr<ObjectBridge> bridge_;
  const EventInterface& events_;
  ComPtr<IDispatch> sink_;
};

EventRelay::EventRelay(std::shared_ptr<ObjectBridge> bridge, Object& source,
                       const EventInterface& events)
    : bridge_(std::move(bridge)), source_(source), events_(events) {}

EventRelay::~EventRelay() = default;

DWORD EventRelay::advise(IUnknown* sink) {
  if (!sink) throw ComFailure(E_POINTER);
  // A connection point hands its sink the event interface it asked for, as Outlook's do.
  ComPtr<IDispatch> dispatch;
  if (FAILED(sink->QueryInterface(events_.diid, dispatch.putVoid())))
    throw ComFailure(CONNECT_E_CANNOTCONNECT);
  auto forwarder = std::make_unique<Forwarder>(bridge_, events_, std::move(dispatch));
  std::unique_ptr<Connection> connection;
  try {
    connection = source_.advise(*forwarder);
  } catch (const Error&) {
    throw ComFailure(CONNECT_E_CANNOTCONNECT);
  }
  const DWORD cookie = nextCookie_++;
  subscriptions_.push_back({cookie, std::move(forwarder), std::move(connection)});
  return cookie;
}

void EventRelay::unadvise(DWORD cookie) {
  auto it = std::find_if(subscriptions_.begin(), subscriptions_.end(),
                         [cookie](const Subscription& s) { return s.cookie == cookie; });
  if (it == subscriptions_.end()) throw ComFailure(CONNECT_E_NOCONNECTION);
  // Take the subscription out of the list before it ends: ending it may reach back here.
  Subscription ending = std::move(*it);
  subscriptions_.erase(it);
}

}  // namespace qh::win
