#pragma once

#include <libical/ical.h>

#include <string>
#include <string_view>
#include <vector>

#include "hosts/sim/mailbox/CalendarEntry.h"
#include "hosts/sim/mailbox/ContentLine.h"
#include "hosts/sim/mailbox/LocalTime.h"

namespace qh::sim::mailbox {

// Reads one VEVENT into an entry from its own properties as they stand in the text (never
// those of the components inside it, such as VALARM). Values are taken as written: libical
// would trim them and turn what it does not know into errors.
class EntryReader {
 public:
  // Problems that do not stop reading are added to warnings as "path:line: text".
  EntryReader(const LocalTime& local, const std::string& path, std::vector<std::string>& warnings);

  // Whether a property of a VEVENT is one the reader needs; the others need not be parsed.
  static bool reads(std::string_view propertyName);
  // Whether the VEVENT's times name a zone that a VTIMEZONE of its calendar may still define.
  static bool needsZone(const std::vector<ContentLine>& own, icalcomponent* zones);

  // own: the VEVENT's properties that reads() wants, in order; text its lines, the first of
  // them line firstLine of the file; zones a VCALENDAR holding its calendar's VTIMEZONEs.
  // Raises CalendarError (Format) for a VEVENT without DTSTART (unless startOptional: the
  // entry then has no start and isTime is cleared) or with a date or duration that cannot be
  // read.
  CalendarEntry read(const std::vector<ContentLine>& own, std::string_view text, int firstLine,
                     icalcomponent* zones, bool startOptional, bool& isTime) const;

 private:
  class Reading;
  const LocalTime& local_;
  const std::string& path_;
  std::vector<std::string>& warnings_;
};

}  // namespace qh::sim::mailbox
