#pragma once

#include <windows.h>

#include <ole2.h>

#include <memory>
#include <vector>

#include "automation/Object.h"

namespace qh::win {

class ObjectBridge;
struct EventInterface;

// Carries the events of one of our objects to the COM sinks advised on its connection point.
// Each advised sink gets its own subscription on the object; an event the object raises is
// named to its DISPID by the event interface and sent to the sink's IDispatch::Invoke, with
// the arguments by reference so that a sink can set Cancel. Events the interface does not
// list are not sent. A sink's failure goes back to whoever raised the event.
class EventRelay {
 public:
  EventRelay(std::shared_ptr<ObjectBridge> bridge, Object& source, const EventInterface& events);
  EventRelay(const EventRelay&) = delete;
  EventRelay& operator=(const EventRelay&) = delete;
  ~EventRelay();

  const EventInterface& events() const noexcept { return events_; }

  // IConnectionPoint::Advise and Unadvise; failures are thrown as ComFailure.
  DWORD advise(IUnknown* sink);
  void unadvise(DWORD cookie);

 private:
  class Forwarder;
  struct Subscription {
    DWORD cookie;
    std::unique_ptr<Forwarder> forwarder;
    std::unique_ptr<Connection> connection;  // ends before the forwarder it calls
  };

  std::shared_ptr<ObjectBridge> bridge_;
  Object& source_;
  const EventInterface& events_;
  std::vector<Subscription> subscriptions_;
  DWORD nextCookie_ = 1;
};

}  // namespace qh::win
