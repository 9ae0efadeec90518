#pragma once

#include <vector>

#include "automation/Date.h"

namespace qh::sim::outlook {

// The recurrence of a series, as far as the simulated Outlook models it: every `interval`
// days, or every `interval` weeks on the weekday of the series' start, for a fixed number of
// occurrences. (Outlook's patterns can do more; a series without an end is not simulated,
// since expanding it would never finish.)
struct RecurrencePattern {
  enum class Frequency { Daily, Weekly };

  Frequency frequency = Frequency::Weekly;
  int interval = 1;
  int occurrences = 1;

  static RecurrencePattern daily(int occurrences, int interval = 1) {
    return {Frequency::Daily, interval, occurrences};
  }
  static RecurrencePattern weekly(int occurrences, int interval = 1) {
    return {Frequency::Weekly, interval, occurrences};
  }

  // The start of every occurrence, in order; the first is the series' own start. Raises
  // "Invalid procedure call or argument" for an interval or count below 1.
  std::vector<Date> starts(Date first) const;
};

}  // namespace qh::sim::outlook
