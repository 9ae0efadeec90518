#include "automation/Date.h"

#include <cmath>

namespace qh {
namespace {

// Days between 1970-01-01 and a civil date (proleptic Gregorian), after H. Hinnant.
long daysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

void civilFromDays(long z, int& y, int& m, int& d) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<long>(yoe) + era * 400 + (m <= 2));
}

const long kEpochOffset = daysFromCivil(1899, 12, 30);

// Splits a serial into whole days and seconds after midnight, honouring OLE's rule for
// negative serials.
void split(double serial, long& days, long& seconds) {
  double whole = std::trunc(serial);
  double fraction = std::fabs(serial - whole);
  days = static_cast<long>(whole);
  seconds = std::lround(fraction * 86400.0);
  if (seconds >= 86400) {
    // Rounded up to the next midnight, which is the later day for negative serials too.
    seconds -= 86400;
    ++days;
  }
}

double join(long days, long seconds) {
  const double fraction = static_cast<double>(seconds) / 86400.0;
  return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

}  // namespace

Date Date::fromParts(int year, int month, int day, int hour, int minute, int second) {
  // Months and days out of range roll over, as DateSerial does.
  long y = year + (month - 1) / 12;
  int m = (month - 1) % 12;
  if (m < 0) {
    m += 12;
    --y;
  }
  const long days = daysFromCivil(y, static_cast<unsigned>(m + 1), 1) + (day - 1) - kEpochOffset;
  long seconds = hour * 3600L + minute * 60L + second;
  long carry = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  seconds -= carry * 86400;
  return Date(join(days + carry, seconds));
}

Date::Parts Date::parts() const {
  long days = 0, seconds = 0;
  split(serial_, days, seconds);
  Parts p;
  civilFromDays(days + kEpochOffset, p.year, p.month, p.day);
  p.hour = static_cast<int>(seconds / 3600);
  p.minute = static_cast<int>(seconds / 60 % 60);
  p.second = static_cast<int>(seconds % 60);
  return p;
}

int Date::weekday() const {
  long days = 0, seconds = 0;
  split(serial_, days, seconds);
  // 30 December 1899 was a Saturday (7).
  long w = (days + 6) % 7;
  if (w < 0) w += 7;
  return static_cast<int>(w) + 1;
}

Date Date::dateOnly() const {
  long days = 0, seconds = 0;
  split(serial_, days, seconds);
  return Date(join(days, 0));
}

Date Date::withTime(int hour, int minute, int second) const {
  long days = 0, seconds = 0;
  split(serial_, days, seconds);
  return Date(join(days, hour * 3600L + minute * 60L + second));
}

Date Date::addDays(int n) const {
  long days = 0, seconds = 0;
  split(serial_, days, seconds);
  return Date(join(days + n, seconds));
}

}  // namespace qh
