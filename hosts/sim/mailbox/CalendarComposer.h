#pragma once

#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "hosts/sim/mailbox/CalendarDocument.h"
#include "hosts/sim/mailbox/CalendarEntry.h"
#include "hosts/sim/mailbox/LocalTime.h"

namespace qh::sim::mailbox {

// A calendar text made from a document and the entries that are to be in it.
struct ComposedCalendar {
  // Where each VEVENT of the new text comes from, in order: a component of the document,
  // or, when that is empty, the entry at index `created`.
  struct Source {
    std::shared_ptr<StoredComponent> stored;
    std::size_t created = 0;
  };
  std::string text;
  std::vector<Source> sources;
};

// Makes the new text of a calendar file from the one it was read from:
// - a component whose entry is unchanged stays byte for byte;
// - a changed one is patched line by line (see changeFor, patchEvent);
// - a component no entry refers to is left out;
// - an entry without a component becomes a new VEVENT at the end of the first VCALENDAR,
//   with the VTIMEZONE of the local zone when the calendar lacks it.
class CalendarComposer {
 public:
  CalendarComposer(const CalendarDocument& document, const LocalTime& local, std::time_t now);

  // Raises CalendarError (Write) for an entry that cannot be stored: one whose component is
  // not in this document, two entries of one component, or a user property that does not fit.
  ComposedCalendar compose(const std::vector<CalendarEntry>& entries) const;

 private:
  class Composition;
  const CalendarDocument& document_;
  const LocalTime& local_;
  std::time_t now_;
};

}  // namespace qh::sim::mailbox
