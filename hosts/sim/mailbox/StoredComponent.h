#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "hosts/sim/mailbox/CalendarEntry.h"

namespace qh::sim::mailbox {

// What a ComponentHandle points to: one VEVENT of the file as it was last read or written.
struct StoredComponent {
  // Its lines exactly as in the file, terminators included: a span of the file's text, which
  // the component keeps alive rather than copying it.
  std::shared_ptr<const std::string> source;
  std::size_t begin = 0, end = 0;
  int firstLine = 0;  // line number of its BEGIN:VEVENT
  int calendar = 0;   // which VCALENDAR of the file holds it
  // False for a VEVENT without DTSTART in a calendar whose METHOD allows that (a cancellation,
  // a reply): kept in the file as it is, but no appointment.
  bool isTime = true;
  CalendarEntry asRead;  // what was read from it, without a handle of its own

  std::string_view text() const { return std::string_view(*source).substr(begin, end - begin); }
};

}  // namespace qh::sim::mailbox
