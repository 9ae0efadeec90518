#include "hosts/sim/excel/Chart.h"

#include <algorithm>

#include "hosts/sim/excel/ExcelArgs.h"
#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/PivotLayout.h"
#include "hosts/sim/excel/PivotTable.h"
#include "hosts/sim/excel/Range.h"
#include "hosts/sim/excel/Workbook.h"
#include "hosts/sim/excel/Worksheet.h"

namespace qh::sim {

Chart::Chart(Workbook* workbook, std::string name) : Sheet(workbook, std::move(name)) {}

const DispatchTable<Chart>& Chart::table() {
  static const DispatchTable<Chart> t = [] {
    DispatchTable<Chart> d;
    addSheetMembers(d);
    d.method("SetSourceData", [](Chart& c, Args& a) { return c.setSourceData(a); });
    d.method("Location", [](Chart& c, Args& a) { return c.location(a); });
    d.get("PivotLayout", [](Chart& c, Args&) -> Variant {
      if (!c.pivot_) return Ref<Object>();
      return Ref<Object>(makeRef<PivotLayout>(c.pivot_));
    });
    d.get("ChartType", [](Chart& c, Args&) -> Variant { return c.chartType_; });
    d.put("ChartType", [](Chart& c, Args& a) -> Variant {
      c.chartType_ = putValue(a).toInt32();
      return {};
    });
    return d;
  }();
  return t;
}

Ref<Chart> Chart::addTo(Workbook& workbook, std::size_t index) {
  PivotTable* pivot = nullptr;
  if (auto* sheet = dynamic_cast<Worksheet*>(workbook.activeSheet()))
    pivot = sheet->pivotTableAt(sheet->selection().top, sheet->selection().left);
  Ref<Chart> chart = workbook.addChart(index);
  chart->pivot_ = pivot;
  return chart;
}

// SetSourceData(Source, PlotBy): a range inside a pivot table makes a pivot chart of it.
Variant Chart::setSourceData(Args& args) {
  Range* source = asRange(requiredArg(args, 0));
  if (!source) throw methodFailed("SetSourceData", "Chart");
  Worksheet& sheet = source->worksheet();
  if (PivotTable* pivot = sheet.pivotTableAt(source->area().top, source->area().left)) {
    pivot_ = pivot;
    sourceSheet_ = nullptr;
  } else {
    pivot_ = nullptr;
    sourceSheet_ = &sheet;
    sourceArea_ = source->area();
  }
  return {};
}

// Location(Where, Name)
Variant Chart::location(Args& args) {
  const int where = requiredArg(args, 0).toInt32();
  if (where != kLocationAsNewSheet && where != kLocationAutomatic)
    throw methodFailed("Location", "Chart");
  const Variant& name = argAt(args, 1);
  if (!name.isMissing() && !name.toString().empty()) rename(name.toString());
  return Ref<Object>(this);
}

SheetSnapshot Chart::snapshot() const {
  SheetSnapshot out;
  out.kind = SheetSnapshot::Kind::Chart;
  out.name = name();
  out.chartType = chartType_;
  out.series = pivot_ ? pivot_->chartSeries() : rangeSeries();
  if (pivot_ && pivot_->worksheet()) {
    out.pivotSheet = pivot_->worksheet()->name();
    out.pivotTable = pivot_->name();
  }
  return out;
}

// A plain range plots each column as a series; a first column gives the categories and a
// first row of text the series names, as Excel reads a range with headings.
std::vector<ChartSeriesSnapshot> Chart::rangeSeries() const {
  std::vector<ChartSeriesSnapshot> out;
  if (!sourceSheet_) return out;
  CellArea area = sourceArea_;
  CellArea used;
  if (!sourceSheet_->cells().usedArea(used)) return out;
  area.bottom = std::min(area.bottom, used.bottom);
  area.right = std::min(area.right, used.right);
  if (!area.valid()) return out;
  const bool categories = area.right > area.left;
  const int firstValues = categories ? area.left + 1 : area.left;
  const bool headings =
      area.bottom > area.top &&
      sourceSheet_->cells().get(area.top, firstValues).kind == CellValue::Kind::Text;
  const int firstRow = headings ? area.top + 1 : area.top;
  for (int column = firstValues; column <= area.right; ++column) {
    ChartSeriesSnapshot s;
    s.name = headings ? sourceSheet_->cells().get(area.top, column).displayText()
                      : "Series" + std::to_string(column - firstValues + 1);
    s.sheet = sourceSheet_->name();
    s.values = {firstRow, column, area.bottom, column};
    s.hasCategories = categories;
    s.categories = {firstRow, area.left, area.bottom, area.left};
    out.push_back(std::move(s));
  }
  return out;
}

}  // namespace qh::sim
