#pragma once

#include <windows.h>

#include <ole2.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qh::win {

// An event dispinterface as the binding knows it: its DIID and the DISPIDs of the events the
// add-in handles, with the names the add-in's handlers use. The same DISPID means different
// events on different interfaces (0xF001 is Activate, NewExplorer and NewInspector), so a
// DISPID is only ever read together with its interface.
struct EventInterface {
  struct Event {
    DISPID dispId;
    std::string name;
  };

  IID diid;
  std::string name;  // for messages
  std::vector<Event> events;

  // The event's name, or nothing for a DISPID the add-in does not handle.
  std::optional<std::string_view> nameOf(DISPID dispId) const;
  // The event's DISPID; names match without regard to case, as member names do.
  std::optional<DISPID> dispIdOf(std::string_view name) const;
};

}  // namespace qh::win
