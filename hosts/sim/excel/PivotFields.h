#pragma once

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {

class PivotTable;

// PivotTable.PivotFields() and PivotLayout.PivotFields(): Count and Item by name or index.
class PivotFields : public TableObject<PivotFields> {
 public:
  explicit PivotFields(Ref<PivotTable> table) : table_(std::move(table)) {}
  static const DispatchTable<PivotFields>& table();

 private:
  Ref<PivotTable> table_;
};

}  // namespace qh::sim
