#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hosts/sim/outlook/Item.h"
#include "hosts/sim/outlook/RecurrencePattern.h"

namespace qh::sim::outlook {

// An appointment (Class 26): Subject, Start, End, Duration in minutes, AllDayEvent,
// IsRecurring and RecurrenceState (read-only), Categories, Body, Location, ReminderSet,
// MeetingStatus. As in Outlook, setting Start keeps the duration (End moves along), setting
// End changes the duration, and setting Duration moves End.
//
// A recurring appointment is the master of its series: it is the one item the folder holds,
// its Start is that of the first occurrence. Its occurrences exist only as the items a
// collection lists when it expands recurrences (Items.IncludeRecurrences); they show the
// master's saved values at their own start. Saving or deleting one would make an exception
// of the series in Outlook, which the simulated host does not make: it raises instead.
//
// Exceptions that the mailbox already holds (an occurrence moved or changed) belong to their
// master, as in Outlook: no folder lists them; they are reached through the master, and can be
// changed and saved like any appointment, but not deleted.
class AppointmentItem : public Item {
 public:
  // An appointment as it is already stored in the mailbox.
  struct Fields {
    std::string subject;
    Date start;
    int durationMinutes = 30;
    bool allDayEvent = false;
    bool isRecurring = false;
    std::string categories;
    std::string body;
    // A series: the appointment is its master and IsRecurring reads True.
    std::optional<RecurrencePattern> recurrence;
    std::vector<UserPropertyValue> userProperties;
    std::string entryId;  // the store's identifier; empty: Outlook assigns one
  };

  // A new appointment starts at start and lasts half an hour, with a reminder, as Outlook's
  // new appointments do.
  AppointmentItem(WeakLink<Application> app, Date start);
  // An appointment with the values it has in the mailbox (its EntryID is the folder's to give).
  AppointmentItem(WeakLink<Application> app, Fields fields);

  Date start() const { return value("Start").toDate(); }
  Date end() const { return value("End").toDate(); }
  int durationMinutes() const;
  std::optional<Variant> field(std::string_view name) const override;

  const std::optional<RecurrencePattern>& recurrence() const { return recurrence_; }
  bool isOccurrence() const { return occurrence_; }
  // An exception the mailbox holds for this series, stored under fields.entryId.
  Ref<AppointmentItem> addException(Fields fields);
  const std::vector<Ref<AppointmentItem>>& exceptions() const { return exceptions_; }
  bool isException() const { return exception_; }
  // The occurrences of the series, in order, as new items; none for a single appointment.
  std::vector<Ref<AppointmentItem>> occurrences();

 protected:
  bool dispatchOwn(std::string_view name, CallKind kind, Args& args, Variant& result) override;

 private:
  static const DispatchTable<AppointmentItem>& table();
  // The plain properties every appointment has, with a new appointment's values.
  static const PropertyBag& prototype();
  void setStart(Date start);
  void setDuration(int minutes);
  void keepAllDayOnlyForWholeDays();
  Ref<AppointmentItem> occurrenceAt(Date start);
  int recurrenceState() const;

  std::optional<RecurrencePattern> recurrence_;
  std::vector<Ref<AppointmentItem>> exceptions_;
  bool occurrence_ = false;
  bool exception_ = false;
};

}  // namespace qh::sim::outlook
