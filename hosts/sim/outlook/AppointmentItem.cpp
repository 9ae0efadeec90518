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
constexpr int kException = 3;

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

const PropertyBag& AppointmentItem::prototype() {
  static const PropertyBag bag = [] {
    PropertyBag b;
    b.declare("Subject", "");
    b.declare("Start", Date());
    b.declare("End", plusMinutes(Date(), kNewDuration));
    b.declare("AllDayEvent", false);
    b.declare("IsRecurring", false);
    b.declare("Categories", "");
    b.declare("Body", "");
    b.declare("Location", "");
    b.declare("ReminderSet", true);
    b.declare("ReminderMinutesBeforeStart", 15);
    b.declare("MeetingStatus", 0);  // olNonMeeting
    b.declare("BusyStatus", kBusy);
    return b;
  }();
  return bag;
}

AppointmentItem::AppointmentItem(WeakLink<Application> app, Date start)
    : Item(std::move(app), kClassAppointment, kAppointmentItem, prototype()) {
  seedValues({{"Start", start}, {"End", plusMinutes(start, kNewDuration)}});
}

AppointmentItem::AppointmentItem(WeakLink<Application> app, Fields fields)
    : Item(std::move(app), kClassAppointment, kAppointmentItem, prototype()) {
  // A large mailbox makes many of these: the texts are taken over, not copied.
  std::pair<std::string_view, Variant> values[] = {
      {"Subject", std::move(fields.subject)},
      {"Start", fields.start},
      {"End", plusMinutes(fields.start, fields.durationMinutes)},
      {"AllDayEvent", fields.allDayEvent},
      {"IsRecurring", fields.isRecurring || fields.recurrence.has_value()},
      {"Categories", std::move(fields.categories)},
      {"Body", std::move(fields.body)}};
  seedValues(values);
  recurrence_ = std::move(fields.recurrence);
  for (const UserPropertyValue& p : fields.userProperties) seedUserProperty(p);
}

int AppointmentItem::durationMinutes() const {
  return static_cast<int>(std::lround((end().serial() - start().serial()) * kMinutesPerDay));
}

void AppointmentItem::setStart(Date start) {
  const int keep = durationMinutes();
  setValue("Start", start);
  setValue("End", plusMinutes(start, keep));
  keepAllDayOnlyForWholeDays();
}

void AppointmentItem::setDuration(int minutes) {
  setValue("End", plusMinutes(start(), minutes));
  keepAllDayOnlyForWholeDays();
}

void AppointmentItem::keepAllDayOnlyForWholeDays() {
  // An all-day event runs from midnight to midnight: given another start or length, it is an
  // appointment of those times, as Outlook makes it.
  if (!value("AllDayEvent").toBool()) return;
  const Date s = start();
  const int minutes = durationMinutes();
  const bool midnight = s.hour() == 0 && s.minute() == 0 && s.second() == 0;
  if (!midnight || minutes <= 0 || minutes % static_cast<int>(kMinutesPerDay) != 0)
    setValue("AllDayEvent", false);
}

std::optional<Variant> AppointmentItem::field(std::string_view name) const {
  if (memberNameEquals(name, "Duration")) return Variant(durationMinutes());
  return Item::field(name);
}

Ref<AppointmentItem> AppointmentItem::addException(Fields fields) {
  std::string entryId = std::move(fields.entryId);
  fields.isRecurring = true;
  Application* app = application();
  auto exception = makeRef<AppointmentItem>(
      app ? WeakLink<Application>(*app) : WeakLink<Application>(), std::move(fields));
  exception->exception_ = true;
  if (Folder* home = folder()) exception->storeWithin(*home, std::move(entryId));
  exceptions_.push_back(exception);
  return exception;
}

int AppointmentItem::recurrenceState() const {
  if (exception_) return kException;
  if (occurrence_) return kOccurrence;
  return recurrence_ || !exceptions_.empty() ? kMaster : kNotRecurring;
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
  occurrence->seedValues(
      {{"Start", start}, {"End", plusMinutes(start, minutes)}, {"IsRecurring", true}});
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
  if (exception_ && memberNameEquals(name, "Delete"))
    throw Error(static_cast<std::int32_t>(0x80004005u),
                "The simulated Outlook does not delete an exception of a series.");
  auto own = table().tryInvoke(*this, name, kind, args);
  if (!own) return false;
  result = std::move(*own);
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
