#pragma once

#include <libical/ical.h>

#include <string_view>
#include <vector>

#include "hosts/sim/mailbox/CalendarEntry.h"
#include "hosts/sim/mailbox/EventPatcher.h"
#include "hosts/sim/mailbox/LocalTime.h"

namespace qh::sim::mailbox {

// The edits that turn a VEVENT read as `before` into one that reads as `after`: only the
// properties this program owns (SUMMARY, DTSTART, DTEND or DURATION, CATEGORIES,
// DESCRIPTION and the user properties), and only those whose value changed. Changed times
// keep the form of the file (DATE, UTC, floating, or the same TZID); times that need a new
// form are written in the local zone.
struct EventChange {
  std::vector<PropertyEdit> edits;  // none: the component stays as it is
  bool usesLocalZone = false;       // a TZID of the local zone was written
};

// before is null for a new component. text is the component's text; calendar the VCALENDAR
// that holds it (for its VTIMEZONEs), or null. Raises std::invalid_argument or Error for a
// user property that cannot be stored.
EventChange changeFor(const CalendarEntry* before, const CalendarEntry& after,
                      std::string_view text, icalcomponent* calendar, const LocalTime& local);

}  // namespace qh::sim::mailbox
