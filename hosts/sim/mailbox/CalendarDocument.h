#pragma once

#include <libical/ical.h>

#include <memory>
#include <string>
#include <vector>

#include "hosts/sim/mailbox/CalendarEntry.h"
#include "hosts/sim/mailbox/CalendarLayout.h"
#include "hosts/sim/mailbox/LocalTime.h"
#include "hosts/sim/mailbox/StoredComponent.h"

namespace qh::sim::mailbox {

// The text of a calendar file, read: its layout, libical's parse of it, and one stored
// component per VEVENT.
class CalendarDocument {
 public:
  // Raises CalendarError (Format) naming path for text this store cannot read.
  CalendarDocument(std::string path, std::string text, const LocalTime& local);

  const std::string& path() const { return path_; }
  const std::string& text() const { return text_; }
  const CalendarLayout& layout() const { return layout_; }
  // The VCALENDARs of the file, in order; index as CalendarLayout::Piece::calendar.
  icalcomponent* calendar(int index) const {
    return calendars_.at(static_cast<std::size_t>(index));
  }
  // One per Event piece of the layout, in the same order. The store may swap in components it
  // handed out earlier, so that their handles follow the file.
  std::vector<std::shared_ptr<StoredComponent>>& components() { return components_; }
  const std::vector<std::shared_ptr<StoredComponent>>& components() const { return components_; }
  // Problems that did not stop reading, as "path:line: text".
  const std::vector<std::string>& warnings() const { return warnings_; }

  std::vector<CalendarEntry> entries() const;

 private:
  void parse();
  void readEvents(const LocalTime& local);

  std::string path_;
  std::string text_;
  CalendarLayout layout_;
  std::shared_ptr<icalcomponent> parsed_;
  std::vector<icalcomponent*> calendars_;
  std::vector<std::shared_ptr<StoredComponent>> components_;
  std::vector<std::string> warnings_;
};

}  // namespace qh::sim::mailbox
