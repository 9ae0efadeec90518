#include "hosts/win/automation/EventInterface.h"

#include "automation/Object.h"

namespace qh::win {

std::optional<std::string_view> EventInterface::nameOf(DISPID dispId) const {
  for (const Event& e : events)
    if (e.dispId == dispId) return std::string_view(e.name);
  return std::nullopt;
}

std::optional<DISPID> EventInterface::dispIdOf(std::string_view eventName) const {
  for (const Event& e : events)
    if (memberNameEquals(e.name, eventName)) return e.dispId;
  return std::nullopt;
}

}  // namespace qh::win
