#pragma once

#include <libical/ical.h>

#include <string>
#include <string_view>

#include "hosts/sim/mailbox/CalendarEntry.h"
#include "hosts/sim/mailbox/ContentLine.h"
#include "hosts/sim/mailbox/LocalTime.h"

// User properties as X- properties of a VEVENT: "X-QUILLHOUR-" + name, with VALUE=BOOLEAN,
// FLOAT or DATE-TIME for yes/no, number and date-time, no VALUE for text. Date-times are
// written in UTC. Other X- properties (X-MICROSOFT-*, X-MOZ-*, X-ALT-DESC) belong to other
// programs and are not user properties.
namespace qh::sim::mailbox {

inline constexpr std::string_view kUserPropertyPrefix = "X-QUILLHOUR-";

bool isUserPropertyName(std::string_view propertyName);
bool isUserPropertyLine(const ContentLine& line);

struct UserPropertyReading {
  UserProperty property;
  std::string problem;  // set when the value did not fit its VALUE type and was read as text
};

UserPropertyReading readUserProperty(const ContentLine& line, icalcomponent* calendar,
                                     const LocalTime& local);

// The unfolded content line for p. Raises std::invalid_argument for a name that cannot be a
// property name, and Error (Type mismatch) for a value that does not convert to its type.
std::string formatUserProperty(const UserProperty& p, const LocalTime& local);

}  // namespace qh::sim::mailbox
