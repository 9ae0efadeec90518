#pragma once

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {

class PivotTable;

// One field of a pivot table: Name, Orientation, Position and CurrentPage. The table owns
// its fields; a field a caller still holds after the table ended raises "Object variable not
// set".
class PivotField : public TableObject<PivotField> {
 public:
  PivotField(PivotTable* table, int index) : table_(table), index_(index) {}
  static const DispatchTable<PivotField>& table();

  void detach() { table_ = nullptr; }
  int index() const { return index_; }

 private:
  PivotTable& owner() const;

  PivotTable* table_;
  int index_;
};

}  // namespace qh::sim
