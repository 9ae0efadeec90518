#include "hosts/sim/mailbox/EventEdits.h"

#include <cmath>
#include <set>
#include <stdexcept>
#include <string>

#include "hosts/sim/mailbox/ContentLine.h"
#include "hosts/sim/mailbox/IcsText.h"
#include "hosts/sim/mailbox/TimeValue.h"
#include "hosts/sim/mailbox/UserPropertyText.h"
#include "hosts/sim/mailbox/ZoneLookup.h"

namespace qh::sim::mailbox {
namespace {

constexpr int kMinutesPerDay = 24 * 60;

// How a time is written in the file.
struct TimeForm {
  enum class Kind { Day, Utc, Floating, Zoned };
  explicit TimeForm(Kind k, std::string id = {}, icaltimezone* z = nullptr)
      : kind(k), tzid(std::move(id)), zone(z) {}
  Kind kind;
  std::string tzid;
  icaltimezone* zone;  // for Zoned
};

bool sameSecond(Date a, Date b) {
  return std::llround(a.serial() * 86400.0) == std::llround(b.serial() * 86400.0);
}

std::string durationValue(std::int32_t minutes, bool allDay) {
  if (allDay && minutes % kMinutesPerDay == 0)
    return "P" + std::to_string(minutes / kMinutesPerDay) + "D";
  std::string value = "PT";
  if (minutes >= 60) value += std::to_string(minutes / 60) + "H";
  if (minutes % 60 != 0 || minutes == 0) value += std::to_string(minutes % 60) + "M";
  return value;
}

class ChangeBuilder {
 public:
  ChangeBuilder(const CalendarEntry* before, const CalendarEntry& after, std::string_view text,
                icalcomponent* calendar, const LocalTime& local)
      : before_(before), after_(after), calendar_(calendar), local_(local) {
    for (auto& line : splitContentLines(text))
      if (line.depth == 1) own_.push_back(std::move(line));
  }

  EventChange build() {
    times();
    text("SUMMARY", before_ ? &before_->subject : nullptr, after_.subject);
    categories();
    text("DESCRIPTION", before_ ? &before_->body : nullptr, after_.body);
    userProperties();
    if (!change_.edits.empty() && before_ && !first("UID"))
      change_.edits.push_back({"UID", {"UID:" + before_->uid}});
    return std::move(change_);
  }

 private:
  const ContentLine* first(std::string_view name) const {
    for (const auto& line : own_)
      if (line.is(name)) return &line;
    return nullptr;
  }
  int count(std::string_view name) const {
    int n = 0;
    for (const auto& line : own_) n += line.is(name) ? 1 : 0;
    return n;
  }
  void edit(std::string name, std::vector<std::string> lines) {
    change_.edits.push_back({std::move(name), std::move(lines)});
  }

  void text(std::string_view name, const std::string* before, const std::string& after) {
    if (before ? *before == after : after.empty()) return;
    const ContentLine* line = first(name);
    if (after.empty()) return edit(std::string(name), {});
    edit(std::string(name),
         {formatContentLine(line ? std::string_view(line->name) : name,
                            line ? line->params : std::vector<ContentParameter>{},
                            escapeText(after))});
  }

  void categories() {
    const auto wanted = splitCategories(after_.categories);
    if (before_ ? splitCategories(before_->categories) == wanted : wanted.empty()) return;
    const ContentLine* line = first("CATEGORIES");
    const std::string name = line ? line->name : "CATEGORIES";
    const auto params = line ? line->params : std::vector<ContentParameter>{};
    std::vector<std::string> lines;
    if (count("CATEGORIES") > 1) {
      // The file lists one category per line (Thunderbird); keep to that.
      for (const auto& c : wanted) lines.push_back(formatContentLine(name, params, escapeText(c)));
    } else if (!wanted.empty()) {
      std::string value;
      for (const auto& c : wanted) value += (value.empty() ? "" : ",") + escapeText(c);
      lines.push_back(formatContentLine(name, params, value));
    }
    edit("CATEGORIES", std::move(lines));
  }

  TimeForm formOf(const ContentLine& line) const {
    if (line.value.size() == 8 || equalsIgnoreCase(line.param("VALUE"), "DATE"))
      return TimeForm(TimeForm::Kind::Day);
    if (!line.value.empty() && line.value.back() == 'Z') return TimeForm(TimeForm::Kind::Utc);
    const std::string tzid = line.param("TZID");
    if (tzid.empty()) return TimeForm(TimeForm::Kind::Floating);
    icaltimezone* zone = findZone(calendar_, tzid);
    // A zone nobody knows was read as local time; written the same way it reads the same.
    return TimeForm(TimeForm::Kind::Zoned, tzid, zone ? zone : local_.zone());
  }

  TimeForm localForm() {
    if (local_.isUtc()) return TimeForm(TimeForm::Kind::Utc);
    change_.usesLocalZone = true;
    return TimeForm(TimeForm::Kind::Zoned, local_.zoneName(), local_.zone());
  }

  // Whether the entry can be written as whole days: an all-day entry that starts at midnight
  // and lasts whole days. Anything else would lose its times in DATE values.
  bool writtenAsDays() const {
    const Date s = after_.start;
    return after_.allDayEvent && s.hour() == 0 && s.minute() == 0 && s.second() == 0 &&
           after_.durationMinutes > 0 && after_.durationMinutes % kMinutesPerDay == 0;
  }

  TimeForm chosenForm(const ContentLine* line, const TimeForm* fallback) {
    if (writtenAsDays()) return TimeForm(TimeForm::Kind::Day);
    if (line) {
      TimeForm form = formOf(*line);
      if (form.kind != TimeForm::Kind::Day) return form;
    }
    return fallback ? *fallback : localForm();
  }

  static icaltimezone* zoneOf(const TimeForm& form) {
    switch (form.kind) {
      case TimeForm::Kind::Utc:
        return icaltimezone_get_utc_timezone();
      case TimeForm::Kind::Zoned:
        return form.zone;
      default:
        return nullptr;
    }
  }

  // The line's parameters with VALUE and TZID as the form needs them; a TZID that stays is
  // kept as written (quoted or not).
  static std::vector<ContentParameter> paramsOf(const TimeForm& form, const ContentLine* line) {
    std::vector<ContentParameter> params;
    bool zoneKept = false;
    for (const auto& p : line ? line->params : std::vector<ContentParameter>{}) {
      if (equalsIgnoreCase(p.name, "VALUE")) continue;
      if (equalsIgnoreCase(p.name, "TZID")) {
        if (form.kind != TimeForm::Kind::Zoned || line->param("TZID") != form.tzid) continue;
        zoneKept = true;
      }
      params.push_back(p);
    }
    if (form.kind == TimeForm::Kind::Day) params.push_back({"VALUE", "DATE"});
    if (form.kind == TimeForm::Kind::Zoned && !zoneKept)
      params.push_back({"TZID", quoteParamValue(form.tzid)});
    return params;
  }

  std::string startValue(const TimeForm& form) const {
    if (form.kind == TimeForm::Kind::Day) {
      icaltimetype day = local_.fromLocal(after_.start.dateOnly(), nullptr);
      day.is_date = 1;
      return formatTimeValue(day);
    }
    return formatTimeValue(local_.fromLocal(after_.start, zoneOf(form)));
  }

  std::string endValue(const TimeForm& form, std::int32_t minutes) const {
    if (form.kind == TimeForm::Kind::Day) {
      const int days = std::max(1, (minutes + kMinutesPerDay - 1) / kMinutesPerDay);
      icaltimetype day = local_.fromLocal(after_.start.dateOnly().addDays(days), nullptr);
      day.is_date = 1;
      return formatTimeValue(day);
    }
    return formatTimeValue(local_.later(after_.start, std::int64_t{minutes} * 60, zoneOf(form)));
  }

  bool timesChanged() const {
    return !before_ || !sameSecond(before_->start, after_.start) ||
           before_->durationMinutes != after_.durationMinutes ||
           before_->allDayEvent != after_.allDayEvent;
  }

  void times() {
    if (!timesChanged()) return;
    const std::int32_t minutes = std::max(0, after_.durationMinutes);
    const ContentLine* startLine = first("DTSTART");
    const ContentLine* endLine = first("DTEND");
    const ContentLine* durationLine = endLine ? nullptr : first("DURATION");
    const TimeForm startForm = chosenForm(startLine, nullptr);
    edit("DTSTART",
         {formatContentLine("DTSTART", paramsOf(startForm, startLine), startValue(startForm))});
    if (durationLine) {
      edit("DURATION", {formatContentLine("DURATION", durationLine->params,
                                          durationValue(minutes, writtenAsDays()))});
    } else {
      const TimeForm endForm = chosenForm(endLine, &startForm);
      edit("DTEND",
           {formatContentLine("DTEND", paramsOf(endForm, endLine), endValue(endForm, minutes))});
    }
    if (before_ && before_->allDayEvent && !writtenAsDays()) {
      // Outlook would still read the event as all-day from these.
      edit("X-MICROSOFT-CDO-ALLDAYEVENT", {});
      edit("X-MICROSOFT-MSNCALENDAR-ALLDAYEVENT", {});
    }
  }

  const UserProperty* before(const std::string& upperName) const {
    if (!before_) return nullptr;
    for (const auto& p : before_->userProperties)
      if (toUpperAscii(p.name) == upperName) return &p;
    return nullptr;
  }

  bool sameLine(const UserProperty& old, const std::string& line) const {
    try {
      return formatUserProperty(old, local_) == line;
    } catch (...) {
      return false;  // what was read cannot be written as it is: it has to change
    }
  }

  void userProperties() {
    std::set<std::string> wanted;
    for (const auto& p : after_.userProperties) {
      const std::string key = toUpperAscii(p.name);
      if (!wanted.insert(key).second)
        throw std::invalid_argument("user property '" + p.name + "' appears twice");
      const UserProperty* old = before(key);
      if (old && old->name == p.name && old->type == p.type && old->value == p.value) continue;
      const std::string line = formatUserProperty(p, local_);
      if (!old || !sameLine(*old, line)) edit(std::string(kUserPropertyPrefix) + key, {line});
    }
    if (!before_) return;
    for (const auto& old : before_->userProperties)
      if (!wanted.count(toUpperAscii(old.name)))
        edit(std::string(kUserPropertyPrefix) + toUpperAscii(old.name), {});
  }

  const CalendarEntry* before_;
  const CalendarEntry& after_;
  icalcomponent* calendar_;
  const LocalTime& local_;
  std::vector<ContentLine> own_;
  EventChange change_;
};

}  // namespace

EventChange changeFor(const CalendarEntry* before, const CalendarEntry& after,
                      std::string_view text, icalcomponent* calendar, const LocalTime& local) {
  return ChangeBuilder(before, after, text, calendar, local).build();
}

}  // namespace qh::sim::mailbox
