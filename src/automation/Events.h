#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "automation/Object.h"

namespace qh {

// Receives the events of one source object, by event name (the Windows binding maps the
// DISPIDs of the source's event interface onto these names). Arguments arrive in declaration
// order; by-reference ones (Cancel, CancelDefault) may be written in place.
class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void onEvent(std::string_view name, Args& args) = 0;
};

// A live subscription (COM: an IConnectionPoint::Advise cookie). Destroying it unadvises.
class Connection {
 public:
  virtual ~Connection() = default;
};

// The sinks of one event-raising object. Sinks may connect or disconnect, and their owners
// may end, while an event is being raised: each raise walks a snapshot and skips sinks that
// disconnected meanwhile.
class EventSource {
 public:
  EventSource() = default;
  EventSource(const EventSource&) = delete;
  EventSource& operator=(const EventSource&) = delete;
  ~EventSource();

  std::unique_ptr<Connection> advise(EventSink& sink);
  // Calls every connected sink in connection order. If sinks fail, the others still get the
  // event and the first failure is raised to the caller afterwards, as the event's result.
  void raise(std::string_view name, Args& args);
  void raise(std::string_view name) {
    Args none;
    raise(name, none);
  }
  size_t sinkCount() const;

 private:
  struct Slot {
    EventSink* sink;
  };
  using Slots = std::vector<std::shared_ptr<Slot>>;
  class SlotConnection;
  // Shared with the connection handles, which may outlive the source.
  std::shared_ptr<Slots> slots_ = std::make_shared<Slots>();
};

// A member that "receives events": a reference to a source paired with its connection.
// Setting it connects the owner's handler, emptying it disconnects. While an event is being
// handled the owner is kept alive, so a handler may drop the owner's last other reference
// (a window wrapper removing itself from the registry) and the owner ends only after the
// handler has returned.
class EventRef {
 public:
  using Handler = std::function<void(std::string_view event, Args& args)>;

  EventRef(Object& owner, Handler handler);
  EventRef(const EventRef&) = delete;
  EventRef& operator=(const EventRef&) = delete;
  ~EventRef();

  // Connects to the new object's events (disconnecting the previous object first). A source
  // that refuses the connection raises; the reference is then left empty.
  void set(Ref<Object> object);
  void reset() noexcept;

  Object* get() const noexcept { return object_.get(); }
  const Ref<Object>& ref() const noexcept { return object_; }
  Object* operator->() const noexcept { return object_.get(); }
  explicit operator bool() const noexcept { return static_cast<bool>(object_); }

 private:
  class Sink : public EventSink {
   public:
    explicit Sink(EventRef& ref) : ref_(ref) {}
    void onEvent(std::string_view name, Args& args) override;

   private:
    EventRef& ref_;
  };

  Object& owner_;
  Handler handler_;
  Sink sink_{*this};
  Ref<Object> object_;
  std::unique_ptr<Connection> connection_;
};

}  // namespace qh
