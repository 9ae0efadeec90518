#include "hosts/sim/outlook/AppointmentItem.h"

#include <cmath>

#include "hosts/sim/outlook/Application.h"

namespace qh::sim::outlook {
namespace {

constexpr double kMinutesPerDay = 24.0 * 60.0;
constexpr int kNewDuration = 30;
constexpr int kBusy = 2;  // olBusy

// OlRecurrenceState.
constexpr int kNotRecurring = 0;
constexpr int kMaster = 1;
constexpr int kOccurrence = 2;

// What an occurrence shows of its master, besides its own start and end.
constexpr const char* kSharedFields[] = {"Subject",
                                         "AllDayEvent",
                                         "Categories",
                                         "Body",
                                         "Location",
                                         "ReminderSet",
                                         "ReminderMinutesBeforeStart",
                                         "MeetingStatus",
                                         "BusyStatus"};

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
  if (fields.recurrence) {
    recurrence_ = fields.recurrence;
    seedValue("IsRecurring", true);
  }
  for (const UserPropertyValue& p : fields.userProperties) seedUserProperty(p);
}

std::optional<Variant> AppointmentItem::field(std::string_view name) const {
  if (memberNameEquals(name, "Duration")) return Variant(durationMinutes());
  return Item::field(name);
}

int AppointmentItem::recurrenceState() const {
  if (occurrence_) return kOccurrence;
  return recurrence_ ? kMaster : kNotRecurring;
}

std::vector<Ref<AppointmentItem>> AppointmentItem::occurrences() {
  std::vector<Ref<AppointmentItem>> out;
  if (!recurrence_) return out;
  for (Date start : recurrence_->starts(savedValue("Start").toDate()))
    out.push_back(occurrenceAt(start));
  return out;
}

Ref<AppointmentItem> AppointmentItem::occurrenceAt(Date start) {
  Application* app = application();
  auto occurrence =
      makeRef<AppointmentItem>(app ? WeakLink<Application>(*app) : WeakLink<Application>(), start);
  const double minutes =
      (savedValue("End").toDate().serial() - savedValue("Start").toDate().serial()) *
      kMinutesPerDay;
  for (const char* name : kSharedFields) occurrence->seedValue(name, savedValue(name));
  occurrence->seedValue("Start", start);
  occurrence->seedValue("End", plusMinutes(start, minutes));
  occurrence->seedValue("IsRecurring", true);
  for (const UserPropertyValue& p : savedUserProperties().values()) occurrence->seedUserProperty(p);
  occurrence->occurrence_ = true;
  occurrence->markSaved();
  return occurrence;
}

bool AppointmentItem::dispatchOwn(std::string_view name, CallKind kind, Args& args,
                                  Variant& result) {
  if (occurrence_ && (memberNameEquals(name, "Save") || memberNameEquals(name, "Delete") ||
                      memberNameEquals(name, "Close")))
    throw Error(static_cast<std::int32_t>(0x80004005u),
                "The simulated Outlook keeps no exceptions of a series: an occurrence cannot "
                "be saved, closed or deleted.");
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
    d.get("RecurrenceState",
          [](AppointmentItem& a, Args&) { return Variant(a.recurrenceState()); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
