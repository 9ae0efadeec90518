#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "automation/Ref.h"

namespace qh::sim::outlook {

class Item;

// The order Items.Sort sets: one property, ascending or descending. Values are read from the
// items' stored fields. The sort is stable (items with equal values keep their order), and
// items without the property come last, whichever the direction.
class SortOrder {
 public:
  // property as Sort takes it, with or without brackets: "[Start]" or "Start".
  SortOrder(std::string_view property, bool descending);

  const std::string& property() const { return property_; }
  bool descending() const { return descending_; }
  // The order under which Outlook expands recurrences: by Start, ascending.
  bool byStartAscending() const;

  // Raises "The property "<name>" is unknown." when items are given and none has it.
  void sort(std::vector<Ref<Item>>& items) const;

 private:
  std::string property_;
  bool descending_;
};

}  // namespace qh::sim::outlook
