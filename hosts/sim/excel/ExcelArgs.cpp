#include "hosts/sim/excel/ExcelArgs.h"

#include <cctype>

#include "hosts/sim/excel/CellArea.h"
#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/Range.h"
#include "hosts/sim/excel/Sheet.h"

namespace qh::sim {

Range* asRange(const Variant& v) {
  return v.isObject() ? dynamic_cast<Range*>(v.toObject().get()) : nullptr;
}

Sheet* asSheet(const Variant& v) {
  return v.isObject() ? dynamic_cast<Sheet*>(v.toObject().get()) : nullptr;
}

int rowArg(const Variant& v) {
  if (!v.isNumeric() || v.isEmpty()) throw objectDefinedError();
  const int row = v.toInt32();
  if (row < 1 || row > CellArea::kMaxRow) throw objectDefinedError();
  return row;
}

int columnArg(const Variant& v) {
  if (v.isString() && !v.isNumeric()) {
    const auto area = CellArea::parseA1(v.asString() + ":" + v.asString());
    if (!area || !area->isEntireColumns() || area->left != area->right) throw objectDefinedError();
    return area->left;
  }
  if (!v.isNumeric() || v.isEmpty()) throw objectDefinedError();
  const int column = v.toInt32();
  if (column < 1 || column > CellArea::kMaxColumn) throw objectDefinedError();
  return column;
}

Variant collectionOrItem(const Ref<Object>& collection, Args& args) {
  if (args.empty()) return collection;
  return collection->invoke("Item", CallKind::Get, args);
}

}  // namespace qh::sim
