#pragma once

#include <libical/ical.h>

#include <memory>
#include <string>

#include "hosts/sim/mailbox/CalendarEntry.h"

namespace qh::sim::mailbox {

// What a ComponentHandle points to: one VEVENT of the file as it was last read or written.
struct StoredComponent {
  std::string text;      // its lines exactly as in the file, terminators included
  int firstLine = 0;     // line number of its BEGIN:VEVENT
  int calendar = 0;      // which VCALENDAR of the file holds it
  CalendarEntry asRead;  // what was read from it, without a handle of its own

  // The parsed file, kept alive for the zones its times refer to, and the component in it.
  std::shared_ptr<icalcomponent> parsed;
  icalcomponent* event = nullptr;
};

}  // namespace qh::sim::mailbox
