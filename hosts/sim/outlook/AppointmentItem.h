#pragma once

#include <string>

#include "hosts/sim/outlook/Item.h"

namespace qh::sim::outlook {

// An appointment (Class 26): Subject, Start, End, Duration in minutes, AllDayEvent,
// IsRecurring (read-only), Categories, Body, Location, ReminderSet, MeetingStatus.
// As in Outlook, setting Start keeps the duration (End moves along), setting End changes the
// duration, and setting Duration moves End.
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
  };

  // A new appointment starts at start and lasts half an hour, with a reminder, as Outlook's
  // new appointments do.
  AppointmentItem(WeakLink<Application> app, Date start);

  Date start() const { return value("Start").toDate(); }
  Date end() const { return value("End").toDate(); }
  int durationMinutes() const;
  void seed(const Fields& fields);

 protected:
  bool dispatchOwn(std::string_view name, CallKind kind, Args& args, Variant& result) override;

 private:
  static const DispatchTable<AppointmentItem>& table();
  void setStart(Date start);
  void setDuration(int minutes);
};

}  // namespace qh::sim::outlook
