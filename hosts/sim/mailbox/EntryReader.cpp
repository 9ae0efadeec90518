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

// The properties of the VEVENT itself that are read.
class EventProperties {
 public:
  explicit EventProperties(const std::vector<ContentLine>& lines) : lines_(lines) {}
  const ContentLine* first(std::string_view name) const {
    for (const auto& line : lines_)
      if (line.is(name)) return &line;
    return nullptr;
  }
  const std::vector<ContentLine>& all() const { return lines_; }

 private:
  const std::vector<ContentLine>& lines_;
};

constexpr std::string_view kReadNames[] = {"UID",
                                           "SUMMARY",
                                           "DESCRIPTION",
                                           "CATEGORIES",
                                           "DTSTART",
                                           "DTEND",
                                           "DURATION",
                                           "RRULE",
                                           "RDATE",
                                           "RECURRENCE-ID",
                                           "X-MICROSOFT-CDO-ALLDAYEVENT",
                                           "X-MICROSOFT-MSNCALENDAR-ALLDAYEVENT"};

// A TEXT value as the user reads it.
std::string textOf(const ContentLine* line) {
  return line ? readableText(unescapeText(line->value)) : std::string();
}

// A key for a VEVENT without UID that stays the same while its text does.
std::string keyFromText(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "quillhour-%016llx", static_cast<unsigned long long>(hash));
  return buffer;
}

std::string recurrenceIdOf(const EventProperties& own) {
  const ContentLine* rid = own.first("RECURRENCE-ID");
  return rid ? readableText(formatContentLine("RECURRENCE-ID", rid->params, rid->value)) : "";
}

std::string categoriesOf(const EventProperties& own) {
  // One line with several values (Outlook) or one line per value (Thunderbird) alike.
  std::vector<std::string> values;
  for (const auto& line : own.all()) {
    if (!line.is("CATEGORIES")) continue;
    auto more = splitListValue(line.value);
    values.insert(values.end(), std::make_move_iterator(more.begin()),
                  std::make_move_iterator(more.end()));
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

bool EntryReader::reads(std::string_view propertyName) {
  for (std::string_view n : kReadNames)
    if (equalsIgnoreCase(propertyName, n)) return true;
  return isUserPropertyName(propertyName);
}

bool EntryReader::needsZone(const std::vector<ContentLine>& own, icalcomponent* zones) {
  for (const auto& line : own) {
    const std::string tzid = line.param("TZID");
    if (!tzid.empty() && !icalcomponent_get_timezone(zones, tzid.c_str())) return true;
  }
  return false;
}

// The reading of one VEVENT, step by step.
class EntryReader::Reading {
 public:
  Reading(const EntryReader& reader, const std::vector<ContentLine>& own, std::string_view text,
          int firstLine, icalcomponent* calendar)
      : r_(reader), calendar_(calendar), text_(text), firstLine_(firstLine), own_(own) {}

  CalendarEntry entry(bool startOptional, bool& isTime) {
    CalendarEntry entry;
    entry.uid = textOf(own_.first("UID"));
    if (entry.uid.empty()) entry.uid = keyFromText(text_);
    entry.recurrenceId = recurrenceIdOf(own_);
    entry.key = entry.recurrenceId.empty() ? entry.uid : entry.uid + ";" + entry.recurrenceId;
    entry.subject = textOf(own_.first("SUMMARY"));
    entry.body = textOf(own_.first("DESCRIPTION"));
    entry.categories = categoriesOf(own_);
    entry.isRecurring = own_.first("RRULE") || own_.first("RDATE") || own_.first("RECURRENCE-ID");
    isTime = own_.first("DTSTART") || !startOptional;
    if (!isTime) return entry;
    readTimes();
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
  icalcomponent* calendar_;
  std::string_view text_;
  int firstLine_;
  EventProperties own_;
  const ContentLine* startLine_ = nullptr;
  icaltimetype start_{};
  std::optional<icaltimetype> end_;
  std::optional<std::int64_t> durationSeconds_;
};

CalendarEntry EntryReader::read(const std::vector<ContentLine>& own, std::string_view text,
                                int firstLine, icalcomponent* zones, bool startOptional,
                                bool& isTime) const {
  return Reading(*this, own, text, firstLine, zones).entry(startOptional, isTime);
}

}  // namespace qh::sim::mailbox
