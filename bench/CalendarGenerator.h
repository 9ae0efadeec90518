#pragma once

#include <string>

namespace qh::bench {

// A calendar like a busy user's, large enough to fill an export's sheet: `times` tagged Times
// of 30 minutes, sixteen a working day from 2 January 2020 on, in the zone Europe/Berlin
// with its VTIMEZONE, tags from a list of eight, and the settings item holding that list.
// Answers the text, lines ending in CRLF.
std::string generateCalendar(int times);

// The last day the generated Times reach, as YYYY-MM-DD.
std::string lastDayOf(int times);

}  // namespace qh::bench
