#include "hosts/sim/excel/PivotTables.h"

#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/PivotTable.h"
#include "hosts/sim/excel/Worksheet.h"

namespace qh::sim {

const DispatchTable<PivotTables>& PivotTables::table() {
  static const DispatchTable<PivotTables> t = [] {
    DispatchTable<PivotTables> d;
    auto item = [](PivotTables& p, Args& a) -> Variant {
      const Variant& key = requiredArg(a, 0);
      const auto& tables = p.sheet_->pivotTables();
      if (key.isString() && !key.isNumeric()) {
        if (PivotTable* table = p.sheet_->findPivotTable(key.asString())) return Ref<Object>(table);
        throw subscriptOutOfRange();
      }
      const int index = key.toInt32();
      if (index < 1 || index > static_cast<int>(tables.size())) throw subscriptOutOfRange();
      return Ref<Object>(tables[index - 1]);
    };
    d.get("Count", [](PivotTables& p, Args&) -> Variant {
      return static_cast<int>(p.sheet_->pivotTables().size());
    });
    d.get("Item", item);
    d.get("", item);
    d.get("Parent", [](PivotTables& p, Args&) -> Variant { return Ref<Object>(p.sheet_); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim
