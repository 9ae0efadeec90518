#include "hosts/sim/outlook/RecurrencePattern.h"

#include "automation/Error.h"

namespace qh::sim::outlook {

std::vector<Date> RecurrencePattern::starts(Date first) const {
  if (interval < 1 || occurrences < 1) throw Error(ErrorCode::InvalidCall);
  const int stepDays = frequency == Frequency::Daily ? interval : 7 * interval;
  std::vector<Date> out;
  out.reserve(static_cast<size_t>(occurrences));
  for (int i = 0; i < occurrences; ++i) out.push_back(first.addDays(i * stepDays));
  return out;
}

}  // namespace qh::sim::outlook
