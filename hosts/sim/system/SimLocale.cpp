#include "hosts/sim/system/SimLocale.h"

#include <cctype>
#include <cstdio>

namespace qh::sim {
namespace {

bool iequals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

void skipSpaces(std::string_view& s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
}

// Reads 1 to maxDigits decimal digits.
bool readNumber(std::string_view& s, int& out, size_t maxDigits) {
  size_t n = 0;
  out = 0;
  while (n < s.size() && n < maxDigits && std::isdigit(static_cast<unsigned char>(s[n]))) {
    out = out * 10 + (s[n] - '0');
    ++n;
  }
  if (n == 0) return false;
  s.remove_prefix(n);
  return true;
}

bool readChar(std::string_view& s, char c) {
  if (s.empty() || s.front() != c) return false;
  s.remove_prefix(1);
  return true;
}

bool dayExists(int y, int m, int d) {
  if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return d <= kDays[m - 1] + (m == 2 && leap ? 1 : 0);
}

}  // namespace

std::optional<Locale> SimLocale::fromName(std::string_view name) {
  if (iequals(name, "en-US")) return Locale::EnUs;
  if (iequals(name, "en-GB")) return Locale::EnGb;
  if (iequals(name, "de-DE")) return Locale::DeDe;
  return std::nullopt;
}

const char* SimLocale::name() const {
  switch (locale_) {
    case Locale::EnGb:
      return "en-GB";
    case Locale::DeDe:
      return "de-DE";
    case Locale::EnUs:
      break;
  }
  return "en-US";
}

std::string SimLocale::shortDate(Date d) const {
  const Date::Parts p = d.parts();
  char buf[32];
  switch (locale_) {
    case Locale::EnUs:
      std::snprintf(buf, sizeof buf, "%d/%d/%04d", p.month, p.day, p.year);
      break;
    case Locale::EnGb:
      std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", p.day, p.month, p.year);
      break;
    case Locale::DeDe:
      std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", p.day, p.month, p.year);
      break;
  }
  return buf;
}

std::string SimLocale::longTime(Date d) const {
  const Date::Parts p = d.parts();
  char buf[32];
  if (locale_ == Locale::EnUs) {
    const int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", hour12, p.minute, p.second,
                  p.hour < 12 ? "AM" : "PM");
  } else {
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", p.hour, p.minute, p.second);
  }
  return buf;
}

std::string SimLocale::amDesignator() const {
  switch (locale_) {
    case Locale::EnUs:
      return "AM";
    case Locale::EnGb:
      return "am";
    case Locale::DeDe:
      return "";
  }
  return "";
}

std::string SimLocale::pmDesignator() const {
  switch (locale_) {
    case Locale::EnUs:
      return "PM";
    case Locale::EnGb:
      return "pm";
    case Locale::DeDe:
      return "";
  }
  return "";
}

std::optional<Date> SimLocale::parseShortDate(std::string_view text) const {
  std::string_view s = text;
  skipSpaces(s);
  const char sep = locale_ == Locale::DeDe ? '.' : '/';
  int first = 0, second = 0, year = 0;
  if (!readNumber(s, first, 2) || !readChar(s, sep) || !readNumber(s, second, 2) ||
      !readChar(s, sep) || s.size() < 4 || !readNumber(s, year, 4))
    return std::nullopt;
  skipSpaces(s);
  if (!s.empty()) return std::nullopt;
  const int month = locale_ == Locale::EnUs ? first : second;
  const int day = locale_ == Locale::EnUs ? second : first;
  if (!dayExists(year, month, day)) return std::nullopt;
  return Date::fromParts(year, month, day);
}

std::optional<int> SimLocale::designatorOffset(std::string_view word) const {
  // The locale's own designators, and the English ones, which every Windows locale reads.
  const std::string am = amDesignator(), pm = pmDesignator();
  if ((!am.empty() && iequals(word, am)) || iequals(word, "AM")) return 0;
  if ((!pm.empty() && iequals(word, pm)) || iequals(word, "PM")) return 12;
  return std::nullopt;
}

std::optional<Date> SimLocale::parseDateTime(std::string_view text) const {
  std::string_view s = text;
  skipSpaces(s);
  const size_t space = s.find(' ');
  const std::optional<Date> day = parseShortDate(s.substr(0, space));
  if (!day) return std::nullopt;
  if (space == std::string_view::npos) return day;
  s.remove_prefix(space);
  skipSpaces(s);
  if (s.empty()) return day;

  int hour = 0, minute = 0, second = 0;
  if (!readNumber(s, hour, 2) || !readChar(s, ':') || !readNumber(s, minute, 2))
    return std::nullopt;
  if (readChar(s, ':') && !readNumber(s, second, 2)) return std::nullopt;
  skipSpaces(s);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  if (!s.empty()) {
    const std::optional<int> offset = designatorOffset(s);
    if (!offset || hour < 1 || hour > 12) return std::nullopt;
    hour = hour % 12 + *offset;
  }
  if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
  return day->withTime(hour, minute, second);
}

}  // namespace qh::sim
