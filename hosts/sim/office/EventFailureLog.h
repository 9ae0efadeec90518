#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qh::sim {

// Where the simulated Office puts a failure that an event handler returned. Office does not
// pass such a failure on (a failing Click handler does not stop Office), so the host keeps it
// here for a test to read, one line per failure: "Click: <description>".
class EventFailureLog {
 public:
  // Records the exception being handled as the failure of the named event.
  void recordCurrentException(std::string_view event);

  const std::vector<std::string>& lines() const noexcept { return lines_; }
  void clear() noexcept { lines_.clear(); }

 private:
  std::vector<std::string> lines_;
};

}  // namespace qh::sim
