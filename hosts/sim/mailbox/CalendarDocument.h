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

// The text of a calendar file, read in one pass: its layout, the time zones each VCALENDAR
// defines, and one stored component per VEVENT.
class CalendarDocument {
 public:
  // Raises CalendarError (Format) naming path for text this store cannot read.
  CalendarDocument(std::string path, std::shared_ptr<const std::string> text,
                   const LocalTime& local);
  ~CalendarDocument();

  const std::string& path() const { return path_; }
  const std::string& text() const { return *text_; }
  const CalendarLayout& layout() const { return layout_; }
  // A VCALENDAR holding the VTIMEZONEs of the file's VCALENDAR `index` (as
  // CalendarLayout::Piece::calendar counts them), for looking up the zones its times name.
  icalcomponent* calendar(int index) const {
    return zones_.at(static_cast<std::size_t>(index)).get();
  }
  // One per Event piece of the layout, in the same order. The store may swap in components it
  // handed out earlier, so that their handles follow the file.
  std::vector<std::shared_ptr<StoredComponent>>& components() { return components_; }
  const std::vector<std::shared_ptr<StoredComponent>>& components() const { return components_; }
  // Problems that did not stop reading, as "path:line: text".
  const std::vector<std::string>& warnings() const { return warnings_; }

  // The appointments: every component but those that are no Times.
  std::vector<CalendarEntry> entries() const;

 private:
  class Reading;
  struct FreeComponent {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
  };
  void giveDuplicatesKeysOfTheirOwn();

  std::string path_;
  std::shared_ptr<const std::string> text_;
  std::vector<std::unique_ptr<icalcomponent, FreeComponent>> zones_;
  std::vector<std::shared_ptr<StoredComponent>> components_;
  std::vector<std::string> warnings_;
  CalendarLayout layout_;
};

}  // namespace qh::sim::mailbox
