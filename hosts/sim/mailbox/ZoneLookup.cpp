#include "hosts/sim/mailbox/ZoneLookup.h"

#include <unicode/timezone.h>
#include <unicode/unistr.h>

namespace qh::sim::mailbox {
namespace {

std::string ianaNameForWindowsZone(const std::string& windowsName) {
  icu::UnicodeString iana;
  UErrorCode status = U_ZERO_ERROR;
  icu::TimeZone::getIDForWindowsID(icu::UnicodeString::fromUTF8(windowsName), nullptr, iana,
                                   status);
  std::string out;
  if (U_SUCCESS(status)) iana.toUTF8String(out);
  return out;
}

}  // namespace

icaltimezone* findZone(icalcomponent* calendar, const std::string& tzid) {
  if (tzid.empty()) return nullptr;
  if (calendar) {
    if (icaltimezone* own = icalcomponent_get_timezone(calendar, tzid.c_str())) return own;
  }
  if (icaltimezone* system = icaltimezone_get_builtin_timezone(tzid.c_str())) return system;
  if (icaltimezone* prefixed = icaltimezone_get_builtin_timezone_from_tzid(tzid.c_str()))
    return prefixed;
  const std::string iana = ianaNameForWindowsZone(tzid);
  return iana.empty() ? nullptr : icaltimezone_get_builtin_timezone(iana.c_str());
}

}  // namespace qh::sim::mailbox
