#pragma once

#include <libical/ical.h>

#include <cstdint>
#include <string>

#include "automation/Date.h"

namespace qh::sim::mailbox {

// The user's time zone, in which every Date of an entry is given, and the conversions between
// it and the times of a calendar file. Floating times (no zone) count as local times.
class LocalTime {
 public:
  // A zone of the system's database by its location name ("Europe/Berlin", "UTC"). Raises
  // Error when there is no such zone.
  explicit LocalTime(const std::string& zoneName);

  // The process's zone name: TZ when set (":Europe/Berlin" or a path into the zone database),
  // otherwise where /etc/localtime points, otherwise "UTC".
  static std::string systemZoneName();
  // The same rule on given values, for testing: tz may be null, localtimeTarget empty.
  static std::string zoneNameFrom(const char* tz, const std::string& localtimeTarget);

  const std::string& zoneName() const { return zoneName_; }
  icaltimezone* zone() const { return zone_; }
  bool isUtc() const { return zone_ == icaltimezone_get_utc_timezone(); }

  // The local wall-clock time of t. A DATE is that day at 00:00 and never changes zone.
  Date toLocal(const icaltimetype& t) const;
  // The local time d as a time in zone (a floating local time when zone is null).
  icaltimetype fromLocal(Date d, icaltimezone* zone) const;
  // Seconds since 1970 UTC of t; DATE and floating values count as local.
  std::int64_t toInstant(const icaltimetype& t) const;
  // The time `seconds` after local time d, in zone (floating when zone is null).
  icaltimetype later(Date d, std::int64_t seconds, icaltimezone* zone) const;

  // A VTIMEZONE for this zone whose TZID is the location name, lines ending in CRLF.
  std::string definition() const;

 private:
  std::string zoneName_;
  icaltimezone* zone_;
};

}  // namespace qh::sim::mailbox
