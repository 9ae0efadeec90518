#pragma once

#include <windows.h>

#include <ole2.h>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qh::win {

// DISPIDs for objects that are reached by name only (the add-in's own objects seen through
// IDispatch): each new name gets the next number the first time a caller asks for it, and
// keeps it. Names match without regard to case; the default member "" is DISPID_VALUE.
class DispIdTable {
 public:
  DISPID idOf(std::string_view name);
  // The name a DISPID was given, or nothing for a number this table never handed out.
  std::optional<std::string> nameOf(DISPID id) const;

 private:
  std::unordered_map<std::string, DISPID> ids_;
  std::vector<std::string> names_;  // names_[id - 1], as first spelt
};

}  // namespace qh::win
