#include "hosts/sim/binding/MailboxBinding.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "hosts/sim/binding/AppointmentEntries.h"

namespace qh::sim {

MailboxBinding::MailboxBinding(mailbox::CalendarStore store, outlook::Folder& calendar)
    : store_(std::move(store)), calendar_(&calendar) {
  const std::vector<mailbox::ComponentHandle> components = store_.components();
  // An override (RECURRENCE-ID) belongs to the series of its UID, when the file holds it.
  std::unordered_map<std::string_view, std::size_t> masters;
  for (std::size_t i = 0; i < components.size(); ++i) {
    const mailbox::CalendarEntry& entry = mailbox::CalendarStore::asRead(components[i]);
    if (entry.recurrenceId.empty()) masters.emplace(entry.uid, i);
  }
  std::vector<Ref<outlook::AppointmentItem>> items(components.size());
  std::vector<std::size_t> overrides;
  for (std::size_t i = 0; i < components.size(); ++i) {
    const mailbox::CalendarEntry& entry = mailbox::CalendarStore::asRead(components[i]);
    if (!entry.recurrenceId.empty() && masters.count(entry.uid))
      overrides.push_back(i);
    else
      items[i] = calendar.addAppointment(binding::fieldsOf(entry));
  }
  for (std::size_t i : overrides) {
    const mailbox::CalendarEntry& entry = mailbox::CalendarStore::asRead(components[i]);
    items[i] = items[masters.at(entry.uid)]->addException(binding::fieldsOf(entry));
  }
  bind(items, components);
}

void MailboxBinding::bind(const std::vector<Ref<outlook::AppointmentItem>>& items,
                          const std::vector<mailbox::ComponentHandle>& components) {
  bound_.clear();
  index_.clear();
  bound_.reserve(items.size());
  index_.reserve(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    index_.emplace_back(items[i].get(), i);
    bound_.push_back({items[i], components[i]});
  }
  std::sort(index_.begin(), index_.end());
}

template <class Visit>
void MailboxBinding::forEachAppointment(Visit&& visit) const {
  auto visitOne = [&](outlook::AppointmentItem& appointment) {
    const outlook::Item* key = &appointment;
    const auto found = std::lower_bound(
        index_.begin(), index_.end(), key,
        [](const auto& entry, const outlook::Item* k) { return std::less<>()(entry.first, k); });
    const bool bound = found != index_.end() && found->first == key;
    visit(appointment, bound ? &bound_[found->second] : nullptr);
  };
  for (const Ref<outlook::Item>& item : calendar_->items()) {
    auto* appointment = dynamic_cast<outlook::AppointmentItem*>(item.get());
    if (!appointment || appointment->deleted()) continue;
    visitOne(*appointment);
    // A series' exceptions go with it; deleting the series deletes them.
    for (const Ref<outlook::AppointmentItem>& exception : appointment->exceptions())
      visitOne(*exception);
  }
}

MailboxChanges MailboxBinding::pending() const {
  MailboxChanges changes;
  std::size_t kept = 0;
  forEachAppointment([&](const outlook::AppointmentItem& appointment, const Bound* bound) {
    if (!bound) {
      ++changes.added;
      return;
    }
    if (!binding::savedAsRead(appointment, mailbox::CalendarStore::asRead(bound->component)))
      ++changes.changed;
    ++kept;
  });
  changes.deleted = static_cast<int>(bound_.size() - kept);
  return changes;
}

MailboxChanges MailboxBinding::writeBack() {
  // Most sessions change nothing: they are told apart before any entry is put together.
  const MailboxChanges changes = pending();
  if (!changes.any()) return changes;
  std::vector<Ref<outlook::AppointmentItem>> items;
  std::vector<mailbox::CalendarEntry> entries;
  forEachAppointment([&](outlook::AppointmentItem& appointment, const Bound* bound) {
    if (!bound) {
      entries.push_back(binding::savedEntry(appointment, {}));
    } else {
      entries.push_back(
          binding::savedEntry(appointment, mailbox::CalendarStore::asRead(bound->component)));
      entries.back().component = bound->component;
    }
    items.emplace_back(&appointment);
  });
  store_.save(entries);
  std::vector<mailbox::ComponentHandle> components;
  components.reserve(entries.size());
  for (const mailbox::CalendarEntry& entry : entries) components.push_back(entry.component);
  bind(items, components);
  return changes;
}

}  // namespace qh::sim
