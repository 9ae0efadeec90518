#include "hosts/sim/mailbox/CalendarDocument.h"

#include <cctype>
#include <string>
#include <string_view>
#include <unordered_map>

#include "hosts/sim/mailbox/CalendarError.h"
#include "hosts/sim/mailbox/EntryReader.h"
#include "hosts/sim/mailbox/IcsText.h"

namespace qh::sim::mailbox {
namespace {

// What libical needs of a VTIMEZONE to convert times; other lines (comments, X- properties of
// any length) are not handed to it.
bool definesZone(std::string_view name) {
  static constexpr std::string_view kNames[] = {"TZID",       "DTSTART", "TZOFFSETFROM",
                                                "TZOFFSETTO", "RRULE",   "RDATE",
                                                "TZNAME",     "TZURL",   "LAST-MODIFIED"};
  for (std::string_view n : kNames)
    if (equalsIgnoreCase(name, n)) return true;
  return false;
}

// A time zone changes its offset a few times a year at most. A rule that repeats more often
// (FREQ=HOURLY, BYHOUR=...) is no zone's, and libical would expand it hour by hour from its
// start, often the year 1601: such a VTIMEZONE is left out, as one libical cannot read.
bool zoneLikeRule(std::string_view rule) {
  std::string upper(rule);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper.find("FREQ=YEARLY") == std::string::npos) return false;
  for (std::string_view part : {"BYSECOND", "BYMINUTE", "BYHOUR", "BYYEARDAY", "BYWEEKNO"})
    if (upper.find(part) != std::string::npos) return false;
  return true;
}

}  // namespace

// The one pass over the text: the layout's scan shows every line here.
class CalendarDocument::Reading : public CalendarLayout::Observer {
 public:
  Reading(CalendarDocument& doc, const LocalTime& local)
      : doc_(doc), reader_(local, doc.path_, doc.warnings_) {}
  ~Reading() override {
    if (zoneParser_) icalparser_free(zoneParser_);
  }

  void begin(const LogicalLine& line, int depth, std::string_view component) override {
    if (depth == 1) {
      doc_.zones_.emplace_back(icalcomponent_new_vcalendar());
      startOptional_ = false;
    } else if (depth == 2 && component == "VEVENT") {
      own_.clear();
      inEvent_ = true;
    } else if (depth == 2 && component == "VTIMEZONE") {
      zoneParser_ = icalparser_new();
      zoneUsable_ = true;
    }
    if (zoneParser_) toZoneParser(line);
  }

  void property(const LogicalLine& line, int depth, std::string_view) override {
    if (inEvent_) {
      if (depth == 2 && EntryReader::reads(nameOf(line.content)))
        own_.push_back(parseContentLine(line));
    } else if (zoneParser_) {
      const std::string_view name = nameOf(line.content);
      if (equalsIgnoreCase(name, "RRULE") && !zoneLikeRule(line.content)) zoneUsable_ = false;
      if (definesZone(name)) toZoneParser(line);
    } else if (depth == 1 && hasName(line.content, "METHOD")) {
      // RFC 5545 3.6.1: with a METHOD, an event's DTSTART is optional (iTIP messages).
      startOptional_ = true;
    }
  }

  void end(const LogicalLine& line, int depth, std::string_view component,
           const CalendarLayout::Piece* piece) override {
    if (zoneParser_) {
      toZoneParser(line);
      if (depth == 2) finishZone();
    } else if (piece) {
      inEvent_ = false;
      addEvent(*piece);
    } else if (depth == 1 && component == "VCALENDAR") {
      for (Deferred& d : deferred_) readInto(*d.component, d.own);
      deferred_.clear();
    }
  }

 private:
  struct Deferred {
    StoredComponent* component;
    std::vector<ContentLine> own;
  };

  icalcomponent* zones() const { return doc_.zones_.back().get(); }

  void toZoneParser(const LogicalLine& line) {
    buffer_.assign(line.content);
    if (icalcomponent* done = icalparser_add_line(zoneParser_, buffer_.data())) {
      if (icalcomponent_isa(done) == ICAL_VTIMEZONE_COMPONENT && zoneUsable_)
        icalcomponent_add_component(zones(), done);
      else
        icalcomponent_free(done);
    }
  }

  void finishZone() {
    // A VTIMEZONE libical cannot make sense of is left out: its TZID reads as unknown.
    if (icalcomponent* rest = icalparser_clean(zoneParser_)) icalcomponent_free(rest);
    icalparser_free(zoneParser_);
    zoneParser_ = nullptr;
  }

  void addEvent(const CalendarLayout::Piece& piece) {
    auto component = std::make_shared<StoredComponent>();
    component->source = doc_.text_;
    component->begin = piece.begin;
    component->end = piece.end;
    component->firstLine = piece.line;
    component->calendar = piece.calendar;
    // Its zones or its calendar's METHOD may still come later in the text (rarely): then it is
    // read at the calendar's end.
    const bool complete = !EntryReader::needsZone(own_, zones()) && (startOptional_ || hasStart());
    if (complete)
      readInto(*component, own_);
    else
      deferred_.push_back({component.get(), std::move(own_)});
    own_.clear();
    doc_.components_.push_back(std::move(component));
  }

  bool hasStart() const {
    for (const auto& line : own_)
      if (line.is("DTSTART")) return true;
    return false;
  }

  void readInto(StoredComponent& component, const std::vector<ContentLine>& own) {
    component.asRead = reader_.read(own, component.text(), component.firstLine, zones(),
                                    startOptional_, component.isTime);
    if (!component.isTime)
      doc_.warnings_.push_back(doc_.path_ + ":" + std::to_string(component.firstLine) +
                               ": VEVENT without DTSTART kept as it is; it is no appointment");
  }

  CalendarDocument& doc_;
  EntryReader reader_;
  std::vector<ContentLine> own_;
  bool inEvent_ = false;
  bool startOptional_ = false;
  std::vector<Deferred> deferred_;
  icalparser* zoneParser_ = nullptr;
  bool zoneUsable_ = true;  // no rule of the zone being read repeats more often than a zone does
  std::string buffer_;
};

CalendarDocument::CalendarDocument(std::string path, std::shared_ptr<const std::string> text,
                                   const LocalTime& local)
    : path_(std::move(path)), text_(std::move(text)) {
  Reading reading(*this, local);
  layout_ = CalendarLayout::scan(*text_, path_, &reading);
  giveDuplicatesKeysOfTheirOwn();
}

CalendarDocument::~CalendarDocument() = default;

void CalendarDocument::giveDuplicatesKeysOfTheirOwn() {
  // Outlook's EntryIDs are unique; a file may repeat a UID (a copy pasted twice, a merge).
  std::unordered_map<std::string_view, int> firstLineOf;
  firstLineOf.reserve(components_.size());
  for (const auto& component : components_) {
    std::string& key = component->asRead.key;
    const auto [at, fresh] = firstLineOf.emplace(key, component->firstLine);
    if (fresh) continue;
    const int earlier = at->second;
    const std::string repeated = key;
    for (int n = 2; firstLineOf.count(key); ++n) key = repeated + "#" + std::to_string(n);
    firstLineOf.emplace(key, component->firstLine);
    warnings_.push_back(path_ + ":" + std::to_string(component->firstLine) + ": the UID '" +
                        repeated + "' is also that of the VEVENT of line " +
                        std::to_string(earlier) + "; this one's EntryID is '" + key + "'");
  }
}

std::vector<CalendarEntry> CalendarDocument::entries() const {
  std::vector<CalendarEntry> out;
  out.reserve(components_.size());
  for (const auto& component : components_) {
    if (!component->isTime) continue;
    out.push_back(component->asRead);
    out.back().component = component;
  }
  return out;
}

}  // namespace qh::sim::mailbox
