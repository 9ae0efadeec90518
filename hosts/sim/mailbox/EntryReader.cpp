#include "hosts/sim/mailbox/EntryReader.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "hosts/sim/mailbox/CalendarError.h"
#include "hosts/sim/mailbox/ContentLine.h"
#include "hosts/sim/mailbox/IcsText.h"
#include "hosts/sim/mailbox/TimeValue.h"
#include "hosts/sim/mailbox/UserPropertyText.h"

namespace qh::sim::mailbox {
namespace {

// The properties of the VEVENT itself (not of the components inside it, such as VALARM) that
// are read from its text; the others come from libical and are not parsed here.
class EventProperties {
 public:
  EventProperties(std::string_view text, int firstLine) {
    int depth = 0;
    forEachLogicalLine(text, firstLine, [&](const LogicalLine& line) {
      const std::string_view name = nameOf(line.content);
      if (equalsIgnoreCase(name, "END")) {
        --depth;
      } else if (equalsIgnoreCase(name, "BEGIN")) {
        ++depth;
      } else if (depth == 1 && isReadFromText(name)) {
        lines_.push_back(parseContentLine(line));
      }
    });
  }
  const ContentLine* first(std::string_view name) const {
    for (const auto& line : lines_)
      if (line.is(name)) return &line;
    return nullptr;
  }
  const std::vector<ContentLine>& all() const { return lines_; }

 private:
  static bool isReadFromText(std::string_view name) {
    static constexpr std::string_view kNames[] = {"DTSTART",
                                                  "DTEND",
                                                  "DURATION",
                                                  "RRULE",
                                                  "RDATE",
                                                  "RECURRENCE-ID",
                                                  "X-MICROSOFT-CDO-ALLDAYEVENT",
                                                  "X-MICROSOFT-MSNCALENDAR-ALLDAYEVENT"};
    for (std::string_view n : kNames)
      if (equalsIgnoreCase(name, n)) return true;
    return isUserPropertyName(name);
  }

  std::vector<ContentLine> lines_;
};

std::string text(const char* libicalText) {
  return libicalText ? libicalText : "";
}

// A key for a VEVENT without UID that stays the same while its text does.
std::string keyFromText(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "quillhour-%016llx", static_cast<unsigned long long>(hash));
  return buffer;
}

std::string keyOf(icalcomponent* event, const EventProperties& own, std::string_view text) {
  std::string key = mailbox::text(icalcomponent_get_uid(event));
  if (key.empty()) key = keyFromText(text);
  if (const ContentLine* rid = own.first("RECURRENCE-ID"))
    key += ";" + formatContentLine("RECURRENCE-ID", rid->params, rid->value);
  return key;
}

std::string categoriesOf(icalcomponent* event) {
  // libical gives one property per value, whether the file lists them on one line or many.
  std::vector<std::string> values;
  for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY); p;
       p = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY)) {
    const std::string value = text(icalproperty_get_categories(p));
    if (!value.empty()) values.push_back(value);
  }
  return joinCategories(values);
}

bool hasMicrosoftAllDayFlag(const EventProperties& own) {
  for (const auto& line : own.all())
    if ((line.is("X-MICROSOFT-CDO-ALLDAYEVENT") ||
         line.is("X-MICROSOFT-MSNCALENDAR-ALLDAYEVENT")) &&
        equalsIgnoreCase(line.value, "TRUE"))
      return true;
  return false;
}

bool isMidnight(Date d) {
  return d.hour() == 0 && d.minute() == 0 && d.second() == 0;
}

std::int32_t minutesBetween(Date from, Date to) {
  return static_cast<std::int32_t>(std::lround((to.serial() - from.serial()) * 1440.0));
}

}  // namespace

EntryReader::EntryReader(const LocalTime& local, const std::string& path,
                         std::vector<std::string>& warnings)
    : local_(local), path_(path), warnings_(warnings) {}

// The reading of one VEVENT, step by step.
class EntryReader::Reading {
 public:
  Reading(const EntryReader& reader, icalcomponent* event, icalcomponent* calendar,
          std::string_view text, int firstLine)
      : r_(reader),
        event_(event),
        calendar_(calendar),
        text_(text),
        firstLine_(firstLine),
        own_(text, firstLine) {}

  CalendarEntry entry() {
    readTimes();
    CalendarEntry entry;
    entry.key = keyOf(event_, own_, text_);
    entry.subject = text(icalcomponent_get_summary(event_));
    entry.body = text(icalcomponent_get_description(event_));
    entry.categories = categoriesOf(event_);
    entry.isRecurring = own_.first("RRULE") || own_.first("RDATE") || own_.first("RECURRENCE-ID");
    entry.start = r_.local_.toLocal(start_);
    const Date end = endOf(entry.start);
    // Outlook's rule: a DATE start, or one of its all-day flags with both ends on local
    // midnight (old exports wrote the local midnights in UTC).
    entry.allDayEvent =
        start_.is_date || (hasMicrosoftAllDayFlag(own_) && isMidnight(entry.start) &&
                           isMidnight(end) && end > entry.start);
    entry.durationMinutes = durationOf(entry.start, end, entry.allDayEvent);
    entry.userProperties = userProperties();
    return entry;
  }

 private:
  [[noreturn]] void fail(int line, const std::string& reason) const {
    throw CalendarError(CalendarError::Kind::Format, r_.path_, line, reason);
  }
  void warn(int line, const std::string& what) const {
    r_.warnings_.push_back(r_.path_ + ":" + std::to_string(line) + ": " + what);
  }

  icaltimetype timeOf(const ContentLine& line) const {
    std::string unknownZone;
    const auto t = readTime(line, calendar_, unknownZone);
    if (!t)
      fail(line.lineNumber,
           "unreadable date in " + toUpperAscii(line.name) + ": '" + line.value + "'");
    if (!unknownZone.empty())
      warn(line.lineNumber, "unknown time zone '" + unknownZone + "'; read as local time");
    return *t;
  }

  void readTimes() {
    startLine_ = own_.first("DTSTART");
    if (!startLine_) fail(firstLine_, "VEVENT without DTSTART");
    start_ = timeOf(*startLine_);
    if (const ContentLine* endLine = own_.first("DTEND")) {
      end_ = timeOf(*endLine);
    } else if (const ContentLine* durationLine = own_.first("DURATION")) {
      const icaldurationtype d = icaldurationtype_from_string(durationLine->value.c_str());
      if (icaldurationtype_is_bad_duration(d))
        fail(durationLine->lineNumber,
             "unreadable duration in DURATION: '" + durationLine->value + "'");
      durationSeconds_ = icaldurationtype_as_int(d);
    }
  }

  Date endOf(Date start) const {
    if (end_) return r_.local_.toLocal(*end_);
    if (durationSeconds_)
      return Date(start.serial() + static_cast<double>(*durationSeconds_) / 86400.0);
    return start;
  }

  std::int32_t durationOf(Date start, Date end, bool allDay) const {
    std::int32_t minutes = 0;
    if (durationSeconds_) {
      minutes = static_cast<std::int32_t>(*durationSeconds_ / 60);
    } else if (end_ && (start_.is_date || end_->is_date || allDay)) {
      // Whole local days; libical 3.0.16's own span of DATE values is a day too long.
      minutes = minutesBetween(start, end);
    } else if (end_) {
      minutes = static_cast<std::int32_t>(
          (r_.local_.toInstant(*end_) - r_.local_.toInstant(start_)) / 60);
    } else {
      minutes = start_.is_date ? 24 * 60 : 0;  // RFC 5545: a date alone lasts one day
    }
    if (minutes >= 0) return minutes;
    warn(startLine_->lineNumber, "the event ends before it starts; read as lasting 0 minutes");
    return 0;
  }

  std::vector<UserProperty> userProperties() const {
    std::vector<UserProperty> properties;
    for (const auto& line : own_.all()) {
      if (!isUserPropertyLine(line)) continue;
      UserPropertyReading reading = readUserProperty(line, calendar_, r_.local_);
      if (!reading.problem.empty()) warn(line.lineNumber, reading.problem);
      properties.push_back(std::move(reading.property));
    }
    return properties;
  }

  const EntryReader& r_;
  icalcomponent* event_;
  icalcomponent* calendar_;
  std::string_view text_;
  int firstLine_;
  EventProperties own_;
  const ContentLine* startLine_ = nullptr;
  icaltimetype start_{};
  std::optional<icaltimetype> end_;
  std::optional<std::int64_t> durationSeconds_;
};

CalendarEntry EntryReader::read(icalcomponent* event, icalcomponent* calendar,
                                std::string_view componentText, int firstLine) const {
  return Reading(*this, event, calendar, componentText, firstLine).entry();
}

}  // namespace qh::sim::mailbox
