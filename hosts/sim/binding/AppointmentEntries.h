#pragma once

#include "hosts/sim/mailbox/CalendarEntry.h"
#include "hosts/sim/outlook/AppointmentItem.h"

// How an appointment of the simulated Outlook and an entry of the calendar file stand for
// each other.
namespace qh::sim::binding {

// The appointment as it is stored when the mailbox is opened; its EntryID is the entry's key.
outlook::AppointmentItem::Fields fieldsOf(const mailbox::CalendarEntry& entry);

// What the file is to hold of an appointment: the values it was last saved with (changes not
// saved yet never reach the mailbox), over `base`, the entry it was read as (empty for an
// appointment made during the session), which keeps what Outlook does not show: the
// component, the key, and the recurrence. User properties are the item's saved ones.
mailbox::CalendarEntry savedEntry(const outlook::AppointmentItem& item,
                                  mailbox::CalendarEntry base);

// Whether the appointment's saved values are what the entry holds, as far as the file can
// tell: times to the second, texts exactly, user properties by name, type and value. Nothing
// is copied, as every appointment of the file is compared when the session ends.
bool savedAsRead(const outlook::AppointmentItem& item, const mailbox::CalendarEntry& entry);

}  // namespace qh::sim::binding
