#pragma once

#include <string>

#include "hosts/sim/excel/CellArea.h"
#include "hosts/sim/excel/Sheet.h"
#include "hosts/sim/excel/WorkbookSnapshot.h"

namespace qh::sim {

class PivotTable;
class Worksheet;

// A chart sheet (in Excel's model a chart sheet is a Chart). Built on a pivot table it is a
// pivot chart with a PivotLayout; built on a plain range it plots that range's columns.
// Location(xlLocationAsNewSheet) leaves it on its own sheet, in its place, renamed when a
// name is given; embedding it in a worksheet is not simulated.
class Chart : public Sheet {
 public:
  static constexpr int kColumnClustered = 51;
  static constexpr int kLocationAsNewSheet = 1;
  static constexpr int kLocationAutomatic = 3;

  Chart(Workbook* workbook, std::string name);
  static const DispatchTable<Chart>& table();

  // Charts.Add: a new chart sheet at `index`. As in Excel, when the active sheet's selection
  // lies in a pivot table the new chart is a pivot chart of that table.
  static Ref<Chart> addTo(Workbook& workbook, std::size_t index);

  Kind kind() const override { return Kind::Chart; }
  PivotTable* pivotTable() const { return pivot_.get(); }
  int chartType() const { return chartType_; }
  SheetSnapshot snapshot() const;

 protected:
  Variant dispatch(std::string_view name, CallKind kind, Args& args) override {
    return table().invoke(*this, name, kind, args);
  }
  const char* className() const override { return "Chart"; }

 private:
  Variant setSourceData(Args& args);
  Variant location(Args& args);
  std::vector<ChartSeriesSnapshot> rangeSeries() const;

  Ref<PivotTable> pivot_;
  Ref<Worksheet> sourceSheet_;
  CellArea sourceArea_;
  int chartType_ = kColumnClustered;
};

}  // namespace qh::sim
