#include "hosts/sim/excel/PivotFields.h"

#include "hosts/sim/excel/PivotTable.h"

namespace qh::sim {

const DispatchTable<PivotFields>& PivotFields::table() {
  static const DispatchTable<PivotFields> t = [] {
    DispatchTable<PivotFields> d;
    auto item = [](PivotFields& f, Args& a) -> Variant {
      Args key{requiredArg(a, 0)};
      return f.table_->pivotFields(key);
    };
    d.get("Count", [](PivotFields& f, Args&) -> Variant {
      return static_cast<int>(f.table_->source().fieldNames.size());
    });
    d.get("Item", item);
    d.get("", item);
    d.get("Parent", [](PivotFields& f, Args&) -> Variant { return Ref<Object>(f.table_); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim
