#pragma once

#include <libical/ical.h>

#include <string>

namespace qh::sim::mailbox {

// The zone a TZID parameter names: the calendar's own VTIMEZONE first, then a zone of that
// name in the system's database, and for a Windows zone name ("W. Europe Standard Time")
// without a VTIMEZONE, the zone CLDR maps it to. Null when none fits. A zone from the
// calendar lives as long as the calendar; system zones belong to libical.
icaltimezone* findZone(icalcomponent* calendar, const std::string& tzid);

}  // namespace qh::sim::mailbox
