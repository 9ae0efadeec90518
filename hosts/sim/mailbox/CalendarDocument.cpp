#include "hosts/sim/mailbox/CalendarDocument.h"

#include "hosts/sim/mailbox/CalendarError.h"
#include "hosts/sim/mailbox/EntryReader.h"

namespace qh::sim::mailbox {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The VEVENTs directly inside one VCALENDAR, in order.
std::vector<icalcomponent*> eventsOf(icalcomponent* calendar) {
  std::vector<icalcomponent*> events;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
    events.push_back(e);
  return events;
}

}  // namespace

CalendarDocument::CalendarDocument(std::string path, std::string text, const LocalTime& local)
    : path_(std::move(path)), text_(std::move(text)), layout_(CalendarLayout::scan(text_, path_)) {
  parse();
  readEvents(local);
}

void CalendarDocument::parse() {
  const bool bom = text_.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0;
  icalcomponent* root = icalparser_parse_string(text_.c_str() + (bom ? kByteOrderMark.size() : 0));
  if (!root) throw CalendarError(CalendarError::Kind::Format, path_, 0, "libical cannot read it");
  parsed_.reset(root, icalcomponent_free);
  // Several VCALENDARs in one text come back under an XROOT.
  if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
    calendars_.push_back(root);
  } else {
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
      calendars_.push_back(c);
  }
  if (static_cast<int>(calendars_.size()) != layout_.calendarCount())
    throw CalendarError(CalendarError::Kind::Format, path_, 0,
                        "libical reads " + std::to_string(calendars_.size()) +
                            " calendars in it, not " + std::to_string(layout_.calendarCount()));
}

void CalendarDocument::readEvents(const LocalTime& local) {
  // libical and the layout must agree on every VEVENT, or handles would point at the wrong text.
  std::vector<std::vector<icalcomponent*>> events;
  for (icalcomponent* c : calendars_) events.push_back(eventsOf(c));
  std::vector<std::size_t> taken(events.size(), 0);
  const EntryReader reader(local, path_, warnings_);
  for (const auto& piece : layout_.pieces()) {
    if (piece.kind != CalendarLayout::PieceKind::Event) continue;
    const auto c = static_cast<std::size_t>(piece.calendar);
    if (taken[c] == events[c].size())
      throw CalendarError(CalendarError::Kind::Format, path_, piece.line,
                          "libical does not read this VEVENT");
    icalcomponent* event = events[c][taken[c]++];
    auto component = std::make_shared<StoredComponent>();
    component->text = text_.substr(piece.begin, piece.end - piece.begin);
    component->firstLine = piece.line;
    component->calendar = piece.calendar;
    component->asRead = reader.read(event, calendars_[c], component->text, piece.line);
    component->parsed = parsed_;
    component->event = event;
    components_.push_back(std::move(component));
  }
  for (std::size_t c = 0; c < events.size(); ++c)
    if (taken[c] != events[c].size())
      throw CalendarError(CalendarError::Kind::Format, path_, 0,
                          "libical reads more VEVENTs than the text shows");
}

std::vector<CalendarEntry> CalendarDocument::entries() const {
  std::vector<CalendarEntry> out;
  out.reserve(components_.size());
  for (const auto& component : components_) {
    out.push_back(component->asRead);
    out.back().component = component;
  }
  return out;
}

}  // namespace qh::sim::mailbox
