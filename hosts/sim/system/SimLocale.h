#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "automation/Date.h"

namespace qh::sim {

// The regional settings the simulated system offers, as Windows formats them by default.
enum class Locale { EnUs, EnGb, DeDe };

// Regional formats of one locale: what GetDateFormat/GetTimeFormat give for the short date and
// the default time format, the time separator and the AM/PM designators, and the reading of
// such texts back into dates (the simulated Outlook reads filter dates this way).
class SimLocale {
 public:
  explicit SimLocale(Locale locale = Locale::EnUs) : locale_(locale) {}

  Locale locale() const { return locale_; }
  // "en-US", "en-GB" or "de-DE"; nullopt for any other name.
  static std::optional<Locale> fromName(std::string_view name);
  const char* name() const;

  std::string shortDate(Date d) const;  // 12/7/2026, 07/12/2026, 07.12.2026
  std::string longTime(Date d) const;   // 2:20:00 PM, 14:20:00, 14:20:00
  std::string timeSeparator() const { return ":"; }
  std::string amDesignator() const;
  std::string pmDesignator() const;

  // A short date in this locale's order and separator (one or two digits for day and month,
  // four for the year). Anything else, or a day that does not exist, gives nullopt.
  std::optional<Date> parseShortDate(std::string_view text) const;
  // A short date, optionally followed by a time "h:nn" or "h:nn:ss" and a designator. With a
  // designator the hour counts 1-12; without one it counts 0-23.
  std::optional<Date> parseDateTime(std::string_view text) const;

 private:
  std::optional<int> designatorOffset(std::string_view word) const;

  Locale locale_;
};

}  // namespace qh::sim
