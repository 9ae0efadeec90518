#pragma once

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {

class Workbook;

// Workbook.PivotCaches: Add(SourceType, SourceData), Count, Item(index from 1).
class PivotCaches : public TableObject<PivotCaches> {
 public:
  explicit PivotCaches(Ref<Workbook> workbook) : workbook_(std::move(workbook)) {}
  static const DispatchTable<PivotCaches>& table();

 private:
  Ref<Workbook> workbook_;
};

}  // namespace qh::sim
