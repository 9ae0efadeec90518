#pragma once

#include <libical/ical.h>

#include <optional>
#include <string>
#include <string_view>

#include "hosts/sim/mailbox/ContentLine.h"

namespace qh::sim::mailbox {

// Whether text is a DATE ("20240318") or DATE-TIME ("20240318T093000", optionally with a
// trailing "Z") value naming a real day and time. libical 3.0 reads "2024-13-45" as a date in
// month 13 without complaint, so the store checks the text itself.
bool isDateValue(std::string_view text);

// A time as a DATE or DATE-TIME value: "20240318", "20240318T093000", "20240318T083000Z".
std::string formatTimeValue(const icaltimetype& t);

// The time a DATE or DATE-TIME property holds, its TZID resolved within calendar (see
// findZone). Empty when the value is unreadable. A TZID that names no known zone leaves the
// time floating and is reported in unknownZone.
std::optional<icaltimetype> readTime(const ContentLine& line, icalcomponent* calendar,
                                     std::string& unknownZone);

}  // namespace qh::sim::mailbox
