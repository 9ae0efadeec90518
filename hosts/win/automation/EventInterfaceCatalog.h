#pragma once

#include <deque>

#include "hosts/win/automation/EventInterface.h"

namespace qh::win {

// The event interfaces the binding can connect to or offer. It starts with the Outlook and
// Office sources the add-in listens to; a module adds its own (a form's Save and Cancel).
// Entries keep their address for the catalog's life, so objects may point at them.
class EventInterfaceCatalog {
 public:
  EventInterfaceCatalog();

  const EventInterface& add(EventInterface entry);
  // The entry for a DIID, or null for an interface the binding does not know.
  const EventInterface* find(REFIID diid) const noexcept;

 private:
  std::deque<EventInterface> entries_;
};

}  // namespace qh::win
