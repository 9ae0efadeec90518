#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "automation/Events.h"

namespace qh::sim::outlook {

// What the add-in's handlers answered with a failure when the host called them. Outlook and
// Office do not act on a failed event call or add-in call: they go on. The simulated host
// does the same and keeps a line "<call>: <description>" for each failure, which is how a test
// sees that a handler failed.
class EventFailures {
 public:
  // Raises an event on behalf of the host and records any failure a sink returns.
  void fire(EventSource& source, std::string_view event, Args& args);
  void fire(EventSource& source, std::string_view event) {
    Args none;
    fire(source, event, none);
  }
  // Makes one call into an add-in (OnConnection, ...); answers whether it succeeded.
  bool call(std::string_view what, const std::function<void()>& body);
  void record(std::string_view what, std::string_view description);

  const std::vector<std::string>& lines() const { return lines_; }
  void clear() { lines_.clear(); }

 private:
  std::vector<std::string> lines_;
};

// Fires an event with failures recorded in failures, or dropped when it is null (the host
// that would keep them has already ended).
void fireEvent(EventFailures* failures, EventSource& source, std::string_view event, Args& args);
void fireEvent(EventFailures* failures, EventSource& source, std::string_view event);

}  // namespace qh::sim::outlook
