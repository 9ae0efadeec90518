#include "hosts/sim/binding/AppointmentEntries.h"

#include <cmath>

namespace qh::sim::binding {
namespace {

constexpr double kSecondsPerDay = 86400.0;

long long secondOf(Date d) {
  return std::llround(d.serial() * kSecondsPerDay);
}

bool sameUserProperties(const std::vector<mailbox::UserProperty>& a,
                        const std::vector<mailbox::UserProperty>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].name != b[i].name || a[i].type != b[i].type) return false;
    const bool dates = a[i].value.isDate() && b[i].value.isDate();
    if (dates ? secondOf(a[i].value.toDate()) != secondOf(b[i].value.toDate())
              : !(a[i].value == b[i].value))
      return false;
  }
  return true;
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
  base.durationMinutes =
      static_cast<std::int32_t>(std::llround((secondOf(end) - secondOf(start)) / 60.0));
  base.allDayEvent = item.savedValue("AllDayEvent").toBool();
  base.categories = item.savedValue("Categories").toString();
  base.body = item.savedValue("Body").toString();
  base.userProperties.clear();
  for (const outlook::UserPropertyValue& p : item.savedUserProperties().values())
    base.userProperties.push_back(toFile(p));
  return base;
}

bool sameContent(const mailbox::CalendarEntry& a, const mailbox::CalendarEntry& b) {
  return a.subject == b.subject && secondOf(a.start) == secondOf(b.start) &&
         a.durationMinutes == b.durationMinutes && a.allDayEvent == b.allDayEvent &&
         a.categories == b.categories && a.body == b.body &&
         sameUserProperties(a.userProperties, b.userProperties);
}

}  // namespace qh::sim::binding
