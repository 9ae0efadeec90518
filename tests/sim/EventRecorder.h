#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "automation/Events.h"

namespace qh::sim::testing {

// An add-in's event sink as a test needs it: it records each event's name (and, when the
// event carries an object, that object's class) and may act on an event (set Cancel, fail).
class EventRecorder : public EventSink {
 public:
  using Action = std::function<void(std::string_view event, Args& args)>;

  // Connects to source; the connection ends with the recorder.
  void listen(Object& source) { connections_.push_back(source.advise(*this)); }
  void onEvent(std::string_view event, Args& args) override {
    events_.emplace_back(event);
    args_.push_back(args);
    if (action_) action_(event, args);
  }
  void setAction(Action action) { action_ = std::move(action); }

  const std::vector<std::string>& events() const { return events_; }
  const Args& argsOf(size_t i) const { return args_.at(i); }

 private:
  std::vector<std::unique_ptr<Connection>> connections_;
  std::vector<std::string> events_;
  std::vector<Args> args_;
  Action action_;
};

}  // namespace qh::sim::testing
