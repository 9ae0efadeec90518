#include "hosts/sim/excel/Worksheet.h"

#include <algorithm>

#include "hosts/sim/excel/ExcelArgs.h"
#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/PivotCache.h"
#include "hosts/sim/excel/PivotTable.h"
#include "hosts/sim/excel/PivotTables.h"
#include "hosts/sim/excel/Range.h"
#include "hosts/sim/excel/Workbook.h"

namespace qh::sim {
namespace {

// Columns(7), Columns("G"), Columns("G:H"); Rows(3), Rows("3:4").
CellArea linesArea(const Variant& key, bool columns) {
  if (key.isString() && !key.isNumeric()) {
    const auto area = CellArea::parseA1(key.asString());
    if (!area || (columns ? !area->isEntireColumns() : !area->isEntireRows())) {
      const auto single = CellArea::parseA1(key.asString() + ":" + key.asString());
      if (!single || (columns ? !single->isEntireColumns() : !single->isEntireRows()))
        throw objectDefinedError();
      return *single;
    }
    return *area;
  }
  if (columns) {
    const int c = columnArg(key);
    return CellArea::columns(c, c);
  }
  const int r = rowArg(key);
  return CellArea::rows(r, r);
}

}  // namespace

Worksheet::Worksheet(Workbook* workbook, std::string name) : Sheet(workbook, std::move(name)) {}

Worksheet::~Worksheet() {
  for (auto& table : pivotTables_) table->detach();
}

const DispatchTable<Worksheet>& Worksheet::table() {
  static const DispatchTable<Worksheet> t = [] {
    DispatchTable<Worksheet> d;
    addSheetMembers(d);
    d.get("Cells", [](Worksheet& s, Args& a) { return s.getCells(a); });
    d.put("Cells", [](Worksheet& s, Args& a) { return s.putCells(a); });
    d.get("Range", [](Worksheet& s, Args& a) { return s.getRange(a); });
    d.get("Columns", [](Worksheet& s, Args& a) { return s.getColumns(a); });
    d.get("Rows", [](Worksheet& s, Args& a) { return s.getRows(a); });
    d.get("UsedRange", [](Worksheet& s, Args&) -> Variant {
      CellArea used = CellArea::cell(1, 1);
      s.cells().usedArea(used);
      return Ref<Object>(s.range(used));
    });
    d.get("PivotTables", [](Worksheet& s, Args& a) { return s.pivotTablesMember(a); });
    d.method("PivotTableWizard", [](Worksheet& s, Args& a) { return s.pivotTableWizard(a); });
    return d;
  }();
  return t;
}

Ref<Range> Worksheet::range(const CellArea& area) {
  return makeRef<Range>(Ref<Worksheet>(this), area);
}

Variant Worksheet::getCells(Args& args) {
  if (args.empty()) return Ref<Object>(range({1, 1, CellArea::kMaxRow, CellArea::kMaxColumn}));
  const int row = rowArg(requiredArg(args, 0));
  const int column = columnArg(requiredArg(args, 1));
  return Ref<Object>(range(CellArea::cell(row, column)));
}

Variant Worksheet::putCells(Args& args) {
  if (args.size() != 3) throw Error(ErrorCode::ArgumentNotOptional);
  cells().set(rowArg(args[0]), columnArg(args[1]), CellValue::fromAssigned(args[2]));
  return {};
}

Variant Worksheet::getRange(Args& args) {
  const Variant& first = requiredArg(args, 0);
  if (Range* a = asRange(first)) {
    CellArea area = a->area();
    if (Range* b = asRange(argAt(args, 1))) {
      area = {std::min(area.top, b->area().top), std::min(area.left, b->area().left),
              std::max(area.bottom, b->area().bottom), std::max(area.right, b->area().right)};
    }
    return Ref<Object>(range(area));
  }
  std::string text = first.toString();
  if (argPresent(args, 1)) text += ":" + argAt(args, 1).toString();
  const auto area = CellArea::parseA1(text);
  if (!area) throw methodFailed("Range", "Worksheet");
  return Ref<Object>(range(*area));
}

Variant Worksheet::getColumns(Args& args) {
  if (args.empty()) return Ref<Object>(range(CellArea::columns(1, CellArea::kMaxColumn)));
  return Ref<Object>(range(linesArea(args[0], true)));
}

Variant Worksheet::getRows(Args& args) {
  if (args.empty()) return Ref<Object>(range(CellArea::rows(1, CellArea::kMaxRow)));
  return Ref<Object>(range(linesArea(args[0], false)));
}

void Worksheet::settlePivotTables() const {
  if (!pivotsStale_) return;
  pivotsStale_ = false;
  for (const auto& table : pivotTables_) table->settle();
}

void Worksheet::addPivotTable(Ref<PivotTable> table) {
  pivotTables_.push_back(std::move(table));
}

PivotTable* Worksheet::findPivotTable(const std::string& name) const {
  for (const auto& table : pivotTables_)
    if (memberNameEquals(table->name(), name)) return table.get();
  return nullptr;
}

PivotTable* Worksheet::pivotTableAt(int row, int column) const {
  for (const auto& table : pivotTables_)
    if (table->fullArea().contains(row, column)) return table.get();
  return nullptr;
}

Variant Worksheet::pivotTablesMember(Args& args) {
  auto collection = makeRef<PivotTables>(Ref<Worksheet>(this));
  if (args.empty()) return Ref<Object>(collection);
  try {
    return collection->invoke("Item", CallKind::Get, args);
  } catch (const Error&) {
    throw unableToGet("PivotTables", "Worksheet");
  }
}

// PivotTableWizard(SourceType, SourceData, TableDestination, TableName, ...). On a sheet that
// holds a pivot table and without a source, Excel works on that table: the destination
// re-places it. With a source it builds a new table, as PivotCaches.Add + CreatePivotTable.
Variant Worksheet::pivotTableWizard(Args& args) {
  const Variant& sourceData = argAt(args, 1);
  const Variant& destination = argAt(args, 2);
  Range* target = asRange(destination);
  if (!destination.isMissing() && (!target || &target->worksheet() != this))
    throw methodFailed("PivotTableWizard", "Worksheet");
  if (sourceData.isMissing()) {
    if (pivotTables_.empty()) throw methodFailed("PivotTableWizard", "Worksheet");
    if (target) pivotTables_.front()->moveTo(target->area().top, target->area().left);
    return {};
  }
  Workbook& book = requireWorkbook();
  auto cache = book.addPivotCache(PivotCache::create(book, argAt(args, 0), sourceData));
  Args create{target ? destination : Variant(Ref<Object>(range(CellArea::cell(3, 1)))),
              argAt(args, 3)};
  return cache->invoke("CreatePivotTable", CallKind::Call, create);
}

SheetSnapshot Worksheet::snapshot() const {
  SheetSnapshot out;
  out.kind = SheetSnapshot::Kind::Worksheet;
  out.name = name();
  out.visible = visible_;
  out.cells = &cells();
  out.columns = &columns_;
  out.formats = &formats_;
  out.settings = &settings_;
  out.selection = selection_;
  for (const auto& table : pivotTables_) out.pivotTables.push_back(table->snapshot());
  return out;
}

}  // namespace qh::sim
