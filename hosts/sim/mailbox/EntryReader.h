#pragma once

#include <libical/ical.h>

#include <string>
#include <string_view>
#include <vector>

#include "hosts/sim/mailbox/CalendarEntry.h"
#include "hosts/sim/mailbox/LocalTime.h"

namespace qh::sim::mailbox {

// Reads one VEVENT into an entry: libical's component for the standard properties, and the
// component's own text for line numbers, date checks and the user properties.
class EntryReader {
 public:
  // Problems that do not stop reading are added to warnings as "path:line: text".
  EntryReader(const LocalTime& local, const std::string& path, std::vector<std::string>& warnings);

  // text is the VEVENT's lines, the first of them line firstLine of the file; calendar is the
  // VCALENDAR that holds it. Raises CalendarError (Format) for a VEVENT without DTSTART or
  // with a date or duration that cannot be read.
  CalendarEntry read(icalcomponent* event, icalcomponent* calendar, std::string_view text,
                     int firstLine) const;

 private:
  class Reading;
  const LocalTime& local_;
  const std::string& path_;
  std::vector<std::string>& warnings_;
};

}  // namespace qh::sim::mailbox
