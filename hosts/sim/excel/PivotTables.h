#pragma once

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {

class Worksheet;

// Worksheet.PivotTables(): Count and Item by name or 1-based index.
class PivotTables : public TableObject<PivotTables> {
 public:
  explicit PivotTables(Ref<Worksheet> sheet) : sheet_(std::move(sheet)) {}
  static const DispatchTable<PivotTables>& table();

 private:
  Ref<Worksheet> sheet_;
};

}  // namespace qh::sim
