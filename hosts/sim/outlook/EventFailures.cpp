#include "hosts/sim/outlook/EventFailures.h"

#include "automation/Error.h"

namespace qh::sim::outlook {

void EventFailures::fire(EventSource& source, std::string_view event, Args& args) {
  call(event, [&] { source.raise(event, args); });
}

bool EventFailures::call(std::string_view what, const std::function<void()>& body) {
  try {
    body();
    return true;
  } catch (...) {
    record(what, describeCurrentException());
    return false;
  }
}

void EventFailures::record(std::string_view what, std::string_view description) {
  lines_.push_back(std::string(what) + ": " + std::string(description));
}

void fireEvent(EventFailures* failures, EventSource& source, std::string_view event, Args& args) {
  if (failures) {
    failures->fire(source, event, args);
    return;
  }
  try {
    source.raise(event, args);
  } catch (...) {
    // Nobody is left to keep the failure.
  }
}

void fireEvent(EventFailures* failures, EventSource& source, std::string_view event) {
  Args none;
  fireEvent(failures, source, event, none);
}

}  // namespace qh::sim::outlook
