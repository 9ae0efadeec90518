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
// keeps it; the default member "" is DISPID_VALUE. Each spelling of a name gets a number of
// its own, so that the object hears the member named exactly as its caller wrote it (the
// object itself matches names without regard to case, and a host that records its calls
// shows the caller's spelling).
class DispIdTable {
 public:
  DISPID idOf(std::string_view name);
  // The name a DISPID was given, or nothing for a number this table never handed out.
  std::optional<std::string> nameOf(DISPID id) const;

 private:
  std::unordered_map<std::string, DISPID> ids_;
  std::vector<std::string> names_;  // names_[id - 1]
};

}  // namespace qh::win
