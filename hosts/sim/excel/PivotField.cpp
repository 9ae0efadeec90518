#include "hosts/sim/excel/PivotField.h"

#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/PivotTable.h"

namespace qh::sim {

PivotTable& PivotField::owner() const {
  if (!table_) throw Error(ErrorCode::ObjectNotSet);
  return *table_;
}

const DispatchTable<PivotField>& PivotField::table() {
  static const DispatchTable<PivotField> t = [] {
    DispatchTable<PivotField> d;
    auto name = [](PivotField& f, Args&) -> Variant {
      return f.owner().source().fieldNames[f.index_];
    };
    d.get("Name", name);
    d.get("", name);
    d.get("SourceName", name);
    d.get("Orientation",
          [](PivotField& f, Args&) -> Variant { return f.owner().orientation(f.index_); });
    d.put("Orientation", [](PivotField& f, Args& a) -> Variant {
      const Variant& v = putValue(a);
      if (!v.isNumeric()) throw unableToSet("Orientation", "PivotField");
      f.owner().setOrientation(f.index_, v.toInt32());
      return {};
    });
    d.get("Position", [](PivotField& f, Args&) -> Variant {
      const int position = f.owner().position(f.index_);
      if (position == 0) throw unableToGet("Position", "PivotField");
      return position;
    });
    d.put("Position", [](PivotField& f, Args& a) -> Variant {
      const Variant& v = putValue(a);
      if (!v.isNumeric()) throw unableToSet("Position", "PivotField");
      f.owner().setPosition(f.index_, v.toInt32());
      return {};
    });
    d.get("CurrentPage",
          [](PivotField& f, Args&) -> Variant { return f.owner().currentPage(f.index_); });
    d.put("CurrentPage", [](PivotField& f, Args& a) -> Variant {
      f.owner().setCurrentPage(f.index_, putValue(a).toString());
      return {};
    });
    d.get("Parent", [](PivotField& f, Args&) -> Variant { return Ref<Object>(&f.owner()); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim
