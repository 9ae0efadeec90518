#pragma once

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {

class PivotTable;

// Chart.PivotLayout of a pivot chart: its PivotFields are the fields of the pivot table the
// chart is built on, so arranging them arranges the table, as in Excel.
class PivotLayout : public TableObject<PivotLayout> {
 public:
  explicit PivotLayout(Ref<PivotTable> table) : table_(std::move(table)) {}
  static const DispatchTable<PivotLayout>& table();

 private:
  Ref<PivotTable> table_;
};

}  // namespace qh::sim
