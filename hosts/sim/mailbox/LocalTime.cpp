#include "hosts/sim/mailbox/LocalTime.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "automation/Error.h"

namespace qh::sim::mailbox {
namespace {

constexpr std::string_view kZoneDatabase = "zoneinfo/";

icaltimetype fieldsOf(Date d) {
  const Date::Parts p = d.parts();
  icaltimetype t = icaltime_null_time();
  t.year = p.year;
  t.month = p.month;
  t.day = p.day;
  t.hour = p.hour;
  t.minute = p.minute;
  t.second = p.second;
  return t;
}

Date dateOf(const icaltimetype& t) {
  if (t.is_date) return Date::fromParts(t.year, t.month, t.day);
  return Date::fromParts(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::string afterZoneDatabase(const std::string& path) {
  const auto at = path.find(kZoneDatabase);
  return at == std::string::npos ? std::string() : path.substr(at + kZoneDatabase.size());
}

std::string readLink(const char* path) {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink(path, buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

}  // namespace

LocalTime::LocalTime(const std::string& zoneName)
    : zoneName_(zoneName), zone_(icaltimezone_get_builtin_timezone(zoneName.c_str())) {
  if (!zone_)
    throw Error(static_cast<std::int32_t>(ErrorCode::InvalidCall),
                "unknown time zone '" + zoneName + "'");
}

std::string LocalTime::systemZoneName() {
  return zoneNameFrom(std::getenv("TZ"), readLink("/etc/localtime"));
}

std::string LocalTime::zoneNameFrom(const char* tz, const std::string& localtimeTarget) {
  if (tz && *tz) {
    std::string name(*tz == ':' ? tz + 1 : tz);
    if (!name.empty() && name.front() == '/') name = afterZoneDatabase(name);
    if (!name.empty()) return name;
  }
  const std::string linked = afterZoneDatabase(localtimeTarget);
  return linked.empty() ? "UTC" : linked;
}

Date LocalTime::toLocal(const icaltimetype& t) const {
  if (t.is_date || !t.zone) return dateOf(t);
  return dateOf(icaltime_convert_to_zone(t, zone_));
}

icaltimetype LocalTime::fromLocal(Date d, icaltimezone* zone) const {
  icaltimetype t = fieldsOf(d);
  if (!zone) return t;
  icaltime_set_timezone(&t, zone_);
  return icaltime_convert_to_zone(t, zone);
}

std::int64_t LocalTime::toInstant(const icaltimetype& t) const {
  icaltimetype wall = t;
  if (wall.is_date) {
    wall.is_date = 0;
    wall.hour = wall.minute = wall.second = 0;
  }
  const icaltimezone* zone = wall.zone ? wall.zone : zone_;
  return static_cast<std::int64_t>(icaltime_as_timet_with_zone(wall, zone));
}

icaltimetype LocalTime::later(Date d, std::int64_t seconds, icaltimezone* zone) const {
  // Through UTC, so that a change of daylight saving time in between counts as elapsed time.
  icaltimetype utc = fromLocal(d, icaltimezone_get_utc_timezone());
  // In days and seconds: a duration of years does not fit libical's int of seconds.
  icaltime_adjust(&utc, static_cast<int>(seconds / 86400), 0, 0, static_cast<int>(seconds % 86400));
  if (zone) return icaltime_convert_to_zone(utc, zone);
  icaltimetype local = icaltime_convert_to_zone(utc, zone_);
  local.zone = nullptr;
  return local;
}

std::string LocalTime::definition() const {
  icalcomponent* own = icaltimezone_get_component(zone_);
  if (!own) return {};  // UTC needs no definition
  icalcomponent* copy = icalcomponent_new_clone(own);
  // libical names its system zones "/freeassociation.sourceforge.net/..." (or otherwise, by
  // build); files carry the plain location name, as Google and Thunderbird write it.
  icalproperty* tzid = icalcomponent_get_first_property(copy, ICAL_TZID_PROPERTY);
  icalproperty_set_tzid(tzid, zoneName_.c_str());
  char* text = icalcomponent_as_ical_string_r(copy);
  std::string out(text);
  icalmemory_free_buffer(text);
  icalcomponent_free(copy);
  return out;
}

}  // namespace qh::sim::mailbox
