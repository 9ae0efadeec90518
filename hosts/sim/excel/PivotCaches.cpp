#include "hosts/sim/excel/PivotCaches.h"

#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/PivotCache.h"
#include "hosts/sim/excel/Workbook.h"

namespace qh::sim {

const DispatchTable<PivotCaches>& PivotCaches::table() {
  static const DispatchTable<PivotCaches> t = [] {
    DispatchTable<PivotCaches> d;
    auto item = [](PivotCaches& c, Args& a) -> Variant {
      const int index = requiredArg(a, 0).toInt32();
      const auto& caches = c.workbook_->pivotCaches();
      if (index < 1 || index > static_cast<int>(caches.size())) throw subscriptOutOfRange();
      return Ref<Object>(caches[index - 1]);
    };
    d.method("Add", [](PivotCaches& c, Args& a) -> Variant {
      return Ref<Object>(c.workbook_->addPivotCache(
          PivotCache::create(*c.workbook_, requiredArg(a, 0), requiredArg(a, 1))));
    });
    d.get("Count", [](PivotCaches& c, Args&) -> Variant {
      return static_cast<int>(c.workbook_->pivotCaches().size());
    });
    d.get("Item", item);
    d.get("", item);
    return d;
  }();
  return t;
}

}  // namespace qh::sim
