#include "hosts/sim/binding/AppointmentEntries.h"

#include <cmath>

namespace qh::sim::binding {
namespace {

constexpr double kSecondsPerDay = 86400.0;

long long secondOf(Date d) {
  return std::llround(d.serial() * kSecondsPerDay);
}

bool sameValue(const Variant& a, const Variant& b) {
  const bool dates = a.isDate() && b.isDate();
  return dates ? secondOf(a.toDate()) == secondOf(b.toDate()) : a == b;
}

bool sameUserProperties(const std::vector<outlook::UserPropertyValue>& saved,
                        const std::vector<mailbox::UserProperty>& read) {
  if (saved.size() != read.size()) return false;
  for (std::size_t i = 0; i < saved.size(); ++i) {
    if (saved[i].name != read[i].name || saved[i].type != static_cast<int>(read[i].type) ||
        !sameValue(saved[i].value, read[i].value))
      return false;
  }
  return true;
}

bool sameText(const Variant& saved, const std::string& read) {
  return saved.isString() ? saved.asString() == read : saved.toString() == read;
}

std::int32_t minutesBetween(Date start, Date end) {
  return static_cast<std::int32_t>(std::llround((secondOf(end) - secondOf(start)) / 60.0));
}

// The file and Outlook number the kinds of user property alike (OlUserPropertyType).
outlook::UserPropertyValue toOutlook(const mailbox::UserProperty& p) {
  return {p.name, static_cast<int>(p.type), p.value};
}

mailbox::UserProperty toFile(const outlook::UserPropertyValue& p) {
  return {p.name, static_cast<mailbox::UserPropertyType>(p.type), p.value};
}

}  // namespace

outlook::AppointmentItem::Fields fieldsOf(const mailbox::CalendarEntry& entry) {
  outlook::AppointmentItem::Fields fields;
  fields.subject = entry.subject;
  fields.start = entry.start;
  fields.durationMinutes = entry.durationMinutes;
  fields.allDayEvent = entry.allDayEvent;
  fields.isRecurring = entry.isRecurring;
  fields.categories = entry.categories;
  fields.body = entry.body;
  fields.entryId = entry.key;
  for (const mailbox::UserProperty& p : entry.userProperties)
    fields.userProperties.push_back(toOutlook(p));
  return fields;
}

mailbox::CalendarEntry savedEntry(const outlook::AppointmentItem& item,
                                  mailbox::CalendarEntry base) {
  const Date start = item.savedValue("Start").toDate();
  const Date end = item.savedValue("End").toDate();
  base.subject = item.savedValue("Subject").toString();
  base.start = start;
  base.durationMinutes = minutesBetween(start, end);
  base.allDayEvent = item.savedValue("AllDayEvent").toBool();
  base.categories = item.savedValue("Categories").toString();
  base.body = item.savedValue("Body").toString();
  base.userProperties.clear();
  for (const outlook::UserPropertyValue& p : item.savedUserProperties().values())
    base.userProperties.push_back(toFile(p));
  return base;
}

bool savedAsRead(const outlook::AppointmentItem& item, const mailbox::CalendarEntry& entry) {
  const Date start = item.savedValue("Start").toDate();
  return sameText(item.savedValue("Subject"), entry.subject) &&
         secondOf(start) == secondOf(entry.start) &&
         minutesBetween(start, item.savedValue("End").toDate()) == entry.durationMinutes &&
         item.savedValue("AllDayEvent").toBool() == entry.allDayEvent &&
         sameText(item.savedValue("Categories"), entry.categories) &&
         sameText(item.savedValue("Body"), entry.body) &&
         sameUserProperties(item.savedUserProperties().values(), entry.userProperties);
}

}  // namespace qh::sim::binding
