#pragma once

#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/excel/CellArea.h"

namespace qh::sim {

class Worksheet;

// A rectangle of cells on a worksheet. A Range keeps its worksheet alive, as Excel's do.
// Value on a single cell reads and writes that cell; written to several cells it fills them
// all; read from several it answers the top-left cell (there are no array values here).
// Hidden applies to whole columns. Select works only on the active sheet, as in Excel.
class Range : public TableObject<Range> {
 public:
  Range(Ref<Worksheet> sheet, CellArea area);
  static const DispatchTable<Range>& table();

  Worksheet& worksheet() const { return *sheet_; }
  const CellArea& area() const { return area_; }

 private:
  Variant value() const;
  void assign(const Variant& v);
  Variant defaultGet(Args& args);
  Variant defaultPut(Args& args);
  Ref<Range> relativeCell(const Variant& row, const Variant& column) const;
  Variant hidden() const;
  void setHidden(bool hidden);
  void select();

  Ref<Worksheet> sheet_;
  CellArea area_;
};

}  // namespace qh::sim
