#pragma once

#include <vector>

#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/outlook/Item.h"

namespace qh::sim::outlook {

// An explorer's Selection: Count and Item(index from 1). Each read of Explorer.Selection
// answers a new collection holding the items selected at that moment; later selection
// changes do not alter it.
class Selection : public TableObject<Selection> {
 public:
  explicit Selection(std::vector<Ref<Item>> items) : items_(std::move(items)) {}

  const std::vector<Ref<Item>>& items() const { return items_; }

 private:
  friend class TableObject<Selection>;
  static const DispatchTable<Selection>& table();

  std::vector<Ref<Item>> items_;
};

}  // namespace qh::sim::outlook
