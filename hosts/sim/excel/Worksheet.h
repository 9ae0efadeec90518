#pragma once

#include <string>
#include <vector>

#include "hosts/sim/excel/CellArea.h"
#include "hosts/sim/excel/CellFormats.h"
#include "hosts/sim/excel/CellStore.h"
#include "hosts/sim/excel/ColumnSettings.h"
#include "hosts/sim/excel/Sheet.h"
#include "hosts/sim/excel/SheetSettings.h"
#include "hosts/sim/excel/WorkbookSnapshot.h"

namespace qh::sim {

class PivotTable;
class Range;

// A worksheet: its cells, their styles, column settings, view and page settings, pivot tables
// and selection. Cells, Range and
// Columns answer Range objects; Cells(r, c) = v is also accepted as one call, as late-bound
// callers make it.
class Worksheet : public Sheet {
 public:
  Worksheet(Workbook* workbook, std::string name);
  ~Worksheet() override;
  static const DispatchTable<Worksheet>& table();

  Kind kind() const override { return Kind::Worksheet; }
  // The cells as Excel shows them: a pivot table whose layout changed shows its new values.
  CellStore& cells() {
    settlePivotTables();
    return cells_;
  }
  const CellStore& cells() const {
    settlePivotTables();
    return cells_;
  }
  // The cells as they stand, for a pivot table writing its values.
  CellStore& cellsAsStored() { return cells_; }
  ColumnSettings& columns() { return columns_; }
  const ColumnSettings& columns() const { return columns_; }
  CellFormats& formats() { return formats_; }
  const CellFormats& formats() const { return formats_; }
  SheetSettings& settings() { return settings_; }
  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }

  const CellArea& selection() const { return selection_; }
  void setSelection(const CellArea& area) { selection_ = area; }

  const std::vector<Ref<PivotTable>>& pivotTables() const { return pivotTables_; }
  void addPivotTable(Ref<PivotTable> table);
  PivotTable* findPivotTable(const std::string& name) const;
  // The pivot table whose range (page fields included) holds the cell, if any.
  PivotTable* pivotTableAt(int row, int column) const;
  // A pivot table's layout changed: its values are computed when the sheet is next read, so a
  // run of layout changes costs one computation.
  void pivotTableChanged() { pivotsStale_ = true; }

  Ref<Range> range(const CellArea& area);
  SheetSnapshot snapshot() const;

 protected:
  Variant dispatch(std::string_view name, CallKind kind, Args& args) override {
    return table().invoke(*this, name, kind, args);
  }
  const char* className() const override { return "Worksheet"; }

 private:
  Variant getCells(Args& args);
  Variant putCells(Args& args);
  Variant getRange(Args& args);
  Variant getColumns(Args& args);
  Variant getRows(Args& args);
  Variant pivotTablesMember(Args& args);
  Variant pivotTableWizard(Args& args);
  void settlePivotTables() const;

  CellStore cells_;
  ColumnSettings columns_;
  CellFormats formats_;
  SheetSettings settings_;
  bool visible_ = true;
  CellArea selection_ = CellArea::cell(1, 1);
  std::vector<Ref<PivotTable>> pivotTables_;
  mutable bool pivotsStale_ = false;
};

}  // namespace qh::sim
