#include "hosts/win/automation/DispIdTable.h"

namespace qh::win {

DISPID DispIdTable::idOf(std::string_view name) {
  if (name.empty()) return DISPID_VALUE;
  auto [it, added] = ids_.try_emplace(std::string(name), static_cast<DISPID>(names_.size() + 1));
  if (added) names_.emplace_back(name);
  return it->second;
}

std::optional<std::string> DispIdTable::nameOf(DISPID id) const {
  if (id == DISPID_VALUE) return std::string();
  if (id < 1 || static_cast<size_t>(id) > names_.size()) return std::nullopt;
  return names_[static_cast<size_t>(id - 1)];
}

}  // namespace qh::win
