#include "hosts/sim/binding/MailboxBinding.h"

#include "hosts/sim/binding/AppointmentEntries.h"

namespace qh::sim {

MailboxBinding::MailboxBinding(mailbox::CalendarStore store, outlook::Folder& calendar)
    : store_(std::move(store)), calendar_(&calendar) {
  const std::vector<mailbox::CalendarEntry> entries = store_.entries();
  std::vector<Ref<outlook::AppointmentItem>> items;
  items.reserve(entries.size());
  for (const mailbox::CalendarEntry& entry : entries)
    items.push_back(calendar.addAppointment(binding::fieldsOf(entry)));
  bind(items, entries);
}

void MailboxBinding::bind(const std::vector<Ref<outlook::AppointmentItem>>& items,
                          const std::vector<mailbox::CalendarEntry>& entries) {
  bound_.clear();
  index_.clear();
  bound_.reserve(items.size());
  index_.reserve(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    index_[items[i].get()] = i;
    bound_.push_back({items[i], entries[i].component});
  }
}

MailboxBinding::Collected MailboxBinding::collect() const {
  Collected c;
  std::size_t kept = 0;
  for (const Ref<outlook::Item>& item : calendar_->items()) {
    auto* appointment = dynamic_cast<outlook::AppointmentItem*>(item.get());
    if (!appointment || appointment->deleted()) continue;
    const auto found = index_.find(appointment);
    if (found == index_.end()) {
      c.entries.push_back(binding::savedEntry(*appointment, {}));
      ++c.changes.added;
    } else {
      const mailbox::CalendarEntry& before =
          mailbox::CalendarStore::asRead(bound_[found->second].component);
      c.entries.push_back(binding::savedEntry(*appointment, before));
      c.entries.back().component = bound_[found->second].component;
      if (!binding::sameContent(c.entries.back(), before)) ++c.changes.changed;
      ++kept;
    }
    c.items.emplace_back(appointment);
  }
  c.changes.deleted = static_cast<int>(bound_.size() - kept);
  return c;
}

MailboxChanges MailboxBinding::pending() const {
  return collect().changes;
}

MailboxChanges MailboxBinding::writeBack() {
  Collected c = collect();
  if (!c.changes.any()) return c.changes;
  store_.save(c.entries);
  bind(c.items, c.entries);
  return c.changes;
}

}  // namespace qh::sim
