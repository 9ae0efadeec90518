#include "hosts/sim/office/EventFailureLog.h"

#include "automation/Error.h"

namespace qh::sim {

void EventFailureLog::recordCurrentException(std::string_view event) {
  lines_.push_back(std::string(event) + ": " + describeCurrentException());
}

}  // namespace qh::sim
