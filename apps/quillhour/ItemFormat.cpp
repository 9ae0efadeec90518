#include "apps/quillhour/ItemFormat.h"

#include <fmt/format.h>

#include "apps/quillhour/DateText.h"
#include "apps/quillhour/TextFormat.h"
#include "hosts/sim/outlook/AppointmentItem.h"

namespace qh::app {
namespace {

using sim::outlook::AppointmentItem;

// Texts as a user sees them in the window: the working values, saved or not.
std::string text(sim::outlook::Item& item, const char* name) {
  try {
    return item.value(name).toString();
  } catch (const Error&) {
    return {};  // a kind of item without it
  }
}

AppointmentItem* appointmentOf(sim::outlook::Item& item) {
  return dynamic_cast<AppointmentItem*>(&item);
}

std::string yesNo(bool v) {
  return v ? "yes" : "no";
}

std::string userPropertyValue(const Variant& value) {
  if (value.isDate()) return formatDateTime(value.toDate());
  if (value.isString()) return inQuotes(value.toString());
  if (value.type() == Variant::Type::Bool) return value.toBool() ? "true" : "false";
  return value.toString();
}

void addUserProperties(sim::outlook::Item& item, std::vector<std::string>& lines) {
  Ref<Object> properties = item.tryGetObject("UserProperties");
  if (!properties) return;
  const int count = properties->get("Count").toInt32();
  for (int i = 1; i <= count; ++i) {
    Ref<Object> property = properties->getObject("Item", i);
    lines.push_back(fmt::format("user property {}: {}", property->get("Name").toString(),
                                userPropertyValue(property->get("Value"))));
  }
}

}  // namespace

std::string listLine(sim::outlook::Item& item) {
  auto* appointment = dynamic_cast<AppointmentItem*>(&item);
  const std::string start = appointment ? formatMinute(appointment->start()) : "";
  const std::string minutes =
      appointment ? std::to_string(appointment->durationMinutes()) : std::string();
  return fmt::format("{}\t{}\t{}\t{}\t{}", escapedField(item.entryId()), start, minutes,
                     escapedField(text(item, "Categories")), escapedField(text(item, "Subject")));
}

std::vector<std::string> itemLines(sim::outlook::Item& item) {
  std::vector<std::string> lines;
  lines.push_back("EntryID: " + item.entryId());
  lines.push_back("subject: " + inQuotes(text(item, "Subject")));
  if (auto* appointment = appointmentOf(item)) {
    lines.push_back("start: " + formatMinute(appointment->start()));
    lines.push_back(fmt::format("duration: {}", appointment->durationMinutes()));
    lines.push_back("all day: " + yesNo(item.value("AllDayEvent").toBool()));
    lines.push_back("recurring: " + yesNo(item.value("IsRecurring").toBool()));
  }
  lines.push_back("categories: " + inQuotes(text(item, "Categories")));
  lines.push_back("body: " + inQuotes(text(item, "Body")));
  addUserProperties(item, lines);
  if (appointmentOf(item))
    for (const auto& exception : appointmentOf(item)->exceptions())
      lines.push_back("exception: " + exception->entryId());
  lines.push_back("saved: " + yesNo(item.saved()));
  return lines;
}

}  // namespace qh::app
