#include "hosts/sim/excel/PivotLayout.h"

#include "hosts/sim/excel/PivotTable.h"

namespace qh::sim {

const DispatchTable<PivotLayout>& PivotLayout::table() {
  static const DispatchTable<PivotLayout> t = [] {
    DispatchTable<PivotLayout> d;
    d.get("PivotFields", [](PivotLayout& l, Args& a) { return l.table_->pivotFields(a); });
    d.get("PivotTable", [](PivotLayout& l, Args&) -> Variant { return Ref<Object>(l.table_); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim
