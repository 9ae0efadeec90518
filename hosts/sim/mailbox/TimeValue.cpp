#include "hosts/sim/mailbox/TimeValue.h"

#include <cctype>
#include <cstdio>

#include "hosts/sim/mailbox/ZoneLookup.h"

namespace qh::sim::mailbox {
namespace {

bool allDigits(std::string_view s) {
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

int number(std::string_view s) {
  int n = 0;
  for (char c : s) n = n * 10 + (c - '0');
  return n;
}

bool isRealDay(std::string_view yyyymmdd) {
  if (yyyymmdd.size() != 8 || !allDigits(yyyymmdd)) return false;
  const int year = number(yyyymmdd.substr(0, 4));
  const int month = number(yyyymmdd.substr(4, 2));
  const int day = number(yyyymmdd.substr(6, 2));
  return month >= 1 && month <= 12 && day >= 1 && day <= icaltime_days_in_month(month, year);
}

bool isRealTime(std::string_view hhmmss) {
  if (hhmmss.size() != 6 || !allDigits(hhmmss)) return false;
  // A leap second (60) is allowed by RFC 5545.
  return number(hhmmss.substr(0, 2)) < 24 && number(hhmmss.substr(2, 2)) < 60 &&
         number(hhmmss.substr(4, 2)) <= 60;
}

// A value isDateValue accepted, read field by field (libical's own reader formats and scans
// the text again, which a large calendar feels).
icaltimetype timeFromCheckedValue(std::string_view text) {
  icaltimetype t = icaltime_null_time();
  t.year = number(text.substr(0, 4));
  t.month = number(text.substr(4, 2));
  t.day = number(text.substr(6, 2));
  if (text.size() == 8) {
    t.is_date = 1;
    return t;
  }
  t.hour = number(text.substr(9, 2));
  t.minute = number(text.substr(11, 2));
  t.second = number(text.substr(13, 2));
  if (text.back() == 'Z') t.zone = icaltimezone_get_utc_timezone();
  return t;
}

}  // namespace

bool isDateValue(std::string_view text) {
  if (text.size() == 8) return isRealDay(text);
  if (text.size() == 16 && text.back() == 'Z') text.remove_suffix(1);
  return text.size() == 15 && text[8] == 'T' && isRealDay(text.substr(0, 8)) &&
         isRealTime(text.substr(9));
}

std::string formatTimeValue(const icaltimetype& t) {
  char buffer[32];
  if (t.is_date) {
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", t.year, t.month, t.day);
  } else {
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02dT%02d%02d%02d%s", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, icaltime_is_utc(t) ? "Z" : "");
  }
  return buffer;
}

std::optional<icaltimetype> readTime(const ContentLine& line, icalcomponent* calendar,
                                     std::string& unknownZone) {
  if (!isDateValue(line.value)) return std::nullopt;
  icaltimetype t = timeFromCheckedValue(line.value);
  if (t.is_date || icaltime_is_utc(t)) return t;
  const std::string tzid = line.param("TZID");
  if (tzid.empty()) return t;
  if (icaltimezone* zone = findZone(calendar, tzid)) {
    icaltime_set_timezone(&t, zone);
  } else {
    unknownZone = tzid;
  }
  return t;
}

}  // namespace qh::sim::mailbox
