#pragma once

#include <string>
#include <vector>

namespace qh::app::testing {

// A calendar text as libical reads it, for telling whether two files are equivalent for
// libical: each component with its kind, the properties libical gives (as it writes them
// back, in sorted order) and its subcomponents in order.
struct LibicalComponent {
  std::string kind;
  std::vector<std::string> properties;
  std::vector<LibicalComponent> children;

  friend bool operator==(const LibicalComponent&, const LibicalComponent&) = default;

  // The VEVENT (among the children) whose UID is uid; throws when there is none.
  const LibicalComponent& event(const std::string& uid) const;
  // The properties whose name is not one of these, and the ones whose name is (names in
  // upper case).
  std::vector<std::string> without(const std::vector<std::string>& names) const;
  std::vector<std::string> only(const std::string& name) const;
};

LibicalComponent readWithLibical(const std::string& text);

}  // namespace qh::app::testing
