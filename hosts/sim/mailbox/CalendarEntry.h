#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "automation/Date.h"
#include "automation/Variant.h"

namespace qh::sim::mailbox {

// The kinds of custom property a calendar file can carry, numbered as Outlook's
// OlUserPropertyType (olText, olNumber, olDateTime, olYesNo).
enum class UserPropertyType : int { Text = 1, Number = 3, DateTime = 5, YesNo = 6 };

// A custom property of an appointment. In the file it is the property "X-QUILLHOUR-" + name,
// whose VALUE parameter tells the type.
struct UserProperty {
  std::string name;
  UserPropertyType type = UserPropertyType::Text;
  Variant value;  // String, Double, Date (local time) or Bool, after the type
};

// The original text of one VEVENT and what was read from it. Only the store looks inside.
struct StoredComponent;
using ComponentHandle = std::shared_ptr<const StoredComponent>;

// One appointment of a calendar file, as plain data. Texts are UTF-8: a value that is not valid
// UTF-8 in the file is read as Windows-1252, and stays in the file as it was unless changed.
struct CalendarEntry {
  // UID, followed by ";RECURRENCE-ID" and that property's parameters and value for an
  // exception instance. Components without a UID get one made from their text.
  std::string key;
  std::string uid;           // UID as written; for a component without one, what its key is made of
  std::string recurrenceId;  // RECURRENCE-ID as written (an override of a series); empty: none
  std::string subject;       // SUMMARY
  Date start;                // local time
  std::int32_t durationMinutes = 0;
  bool allDayEvent = false;
  bool isRecurring = false;  // read only: RRULE, RDATE or RECURRENCE-ID present
  std::string categories;    // all values, joined by ", " as Outlook shows them
  std::string body;          // DESCRIPTION
  std::vector<UserProperty> userProperties;
  ComponentHandle component;  // empty for an entry that is not in the file yet
};

}  // namespace qh::sim::mailbox
