#include "hosts/sim/outlook/AppointmentItem.h"

#include <cmath>

namespace qh::sim::outlook {
namespace {

constexpr double kMinutesPerDay = 24.0 * 60.0;
constexpr int kNewDuration = 30;
constexpr int kBusy = 2;  // olBusy

Date plusMinutes(Date d, double minutes) {
  return Date(d.serial() + minutes / kMinutesPerDay);
}

}  // namespace

AppointmentItem::AppointmentItem(WeakLink<Application> app, Date start)
    : Item(std::move(app), kClassAppointment, kAppointmentItem) {
  declare("Subject", "");
  declare("Start", start);
  declare("End", plusMinutes(start, kNewDuration));
  declare("AllDayEvent", false);
  declare("IsRecurring", false);
  declare("Categories", "");
  declare("Body", "");
  declare("Location", "");
  declare("ReminderSet", true);
  declare("ReminderMinutesBeforeStart", 15);
  declare("MeetingStatus", 0);  // olNonMeeting
  declare("BusyStatus", kBusy);
}

int AppointmentItem::durationMinutes() const {
  return static_cast<int>(std::lround((end().serial() - start().serial()) * kMinutesPerDay));
}

void AppointmentItem::setStart(Date start) {
  const int keep = durationMinutes();
  setValue("Start", start);
  setValue("End", plusMinutes(start, keep));
}

void AppointmentItem::setDuration(int minutes) {
  setValue("End", plusMinutes(start(), minutes));
}

void AppointmentItem::seed(const Fields& fields) {
  seedValue("Subject", fields.subject);
  seedValue("Start", fields.start);
  seedValue("End", plusMinutes(fields.start, fields.durationMinutes));
  seedValue("AllDayEvent", fields.allDayEvent);
  seedValue("IsRecurring", fields.isRecurring);
  seedValue("Categories", fields.categories);
  seedValue("Body", fields.body);
}

bool AppointmentItem::dispatchOwn(std::string_view name, CallKind kind, Args& args,
                                  Variant& result) {
  if (!table().has(name)) return false;
  result = table().invoke(*this, name, kind, args);
  return true;
}

const DispatchTable<AppointmentItem>& AppointmentItem::table() {
  static const DispatchTable<AppointmentItem> t = [] {
    DispatchTable<AppointmentItem> d;
    d.get("Start", [](AppointmentItem& a, Args&) { return Variant(a.start()); });
    d.put("Start", [](AppointmentItem& a, Args& args) {
      a.setStart(putValue(args).toDate());
      return Variant();
    });
    d.get("Duration", [](AppointmentItem& a, Args&) { return Variant(a.durationMinutes()); });
    d.put("Duration", [](AppointmentItem& a, Args& args) {
      a.setDuration(putValue(args).toInt32());
      return Variant();
    });
    // IsRecurring follows from a recurrence pattern, which the add-in never sets.
    d.get("IsRecurring", [](AppointmentItem& a, Args&) { return a.value("IsRecurring"); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
