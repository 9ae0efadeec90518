#include "hosts/sim/excel/PivotCache.h"

#include <algorithm>

#include "hosts/sim/excel/ExcelArgs.h"
#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/PivotTable.h"
#include "hosts/sim/excel/Range.h"
#include "hosts/sim/excel/Workbook.h"
#include "hosts/sim/excel/Worksheet.h"

namespace qh::sim {
namespace {

Error referenceNotValid() {
  return excelError("Reference isn't valid.");
}

Error fieldNameNotValid() {
  return excelError(
      "The PivotTable field name is not valid. To create a PivotTable report, you must use data "
      "that is organized as a list with labeled columns. If you are changing the name of a "
      "PivotTable field, you must type a new name for the field.");
}

}  // namespace

PivotCache::PivotCache(Workbook* workbook, std::string sheetName, CellArea area,
                       Ref<Worksheet> sheet)
    : workbook_(workbook),
      sheetName_(std::move(sheetName)),
      area_(area),
      sheet_(std::move(sheet)) {}

Ref<PivotCache> PivotCache::create(Workbook& workbook, const Variant& sourceType,
                                   const Variant& sourceData) {
  // External data sources and consolidation ranges are not simulated.
  if (!sourceType.isNumeric() || sourceType.toInt32() != kDatabase)
    throw methodFailed("Add", "PivotCaches");
  if (Range* range = asRange(sourceData))
    return makeRef<PivotCache>(&workbook, range->worksheet().name(), range->area(),
                               Ref<Worksheet>(&range->worksheet()));
  const auto reference = SheetReference::parse(sourceData.toString());
  if (!reference) throw referenceNotValid();
  return makeRef<PivotCache>(&workbook, reference->sheet, reference->area, nullptr);
}

const DispatchTable<PivotCache>& PivotCache::table() {
  static const DispatchTable<PivotCache> t = [] {
    DispatchTable<PivotCache> d;
    d.method("CreatePivotTable", [](PivotCache& c, Args& a) { return c.createPivotTable(a); });
    d.get("SourceData", [](PivotCache& c, Args&) -> Variant { return c.sourceText(); });
    d.get("SourceType", [](PivotCache&, Args&) -> Variant { return kDatabase; });
    d.get("RecordCount", [](PivotCache& c, Args&) -> Variant {
      return static_cast<int>(c.read()->records.size());
    });
    return d;
  }();
  return t;
}

std::string PivotCache::sourceText() const {
  // Built by appending: GCC 12 warns (-Wrestrict) on "R" + a temporary string at -O3.
  std::string out;
  if (!sheetName_.empty()) out.append(sheetName_).append("!");
  out.append("R").append(std::to_string(area_.top)).append("C").append(std::to_string(area_.left));
  out.append(":R").append(std::to_string(area_.bottom)).append("C");
  out.append(std::to_string(area_.right));
  return out;
}

std::string PivotCache::sourceSheetName() const {
  try {
    return sourceSheet().name();
  } catch (const Error&) {
    return sheetName_;  // the sheet is gone: the name as the reference gave it
  }
}

Worksheet& PivotCache::sourceSheet() const {
  if (sheet_) return *sheet_;
  if (!workbook_) throw Error(ErrorCode::ObjectNotSet);
  Worksheet* sheet = sheetName_.empty() ? dynamic_cast<Worksheet*>(workbook_->activeSheet())
                                        : workbook_->findWorksheet(sheetName_);
  if (!sheet) throw referenceNotValid();
  return *sheet;
}

std::shared_ptr<const PivotSource> PivotCache::read() const {
  const Worksheet& sheet = sourceSheet();
  CellArea area = area_;
  CellArea used;
  if (!sheet.cells().usedArea(used)) used = CellArea::cell(1, 1);
  // Whole columns or rows stop at the last cell in use.
  area.bottom = std::max(area.top, std::min(area.bottom, used.bottom));
  area.right = std::max(area.left, std::min(area.right, used.right));

  auto source = std::make_shared<PivotSource>();
  for (int column = area.left; column <= area.right; ++column) {
    const CellValue& heading = sheet.cells().get(area.top, column);
    if (heading.isEmpty()) throw fieldNameNotValid();
    source->fieldNames.push_back(heading.displayText());
  }
  // One walk over the sheet's cells fills the records; cells left empty stay empty.
  source->records.assign(static_cast<std::size_t>(area.bottom - area.top),
                         std::vector<CellValue>(source->fieldNames.size()));
  CellArea body = area;
  ++body.top;
  sheet.cells().forEachIn(body, [&](int row, int column, const CellValue& value) {
    source->records[static_cast<std::size_t>(row - body.top)]
                   [static_cast<std::size_t>(column - body.left)] = value;
  });
  return source;
}

// CreatePivotTable(TableDestination, TableName, ReadData, DefaultVersion). An empty or omitted
// destination puts the table at A3 of a new worksheet inserted before the active sheet, which
// becomes the active sheet; an omitted name is the next free "PivotTable<n>".
Variant PivotCache::createPivotTable(Args& args) {
  if (!workbook_) throw Error(ErrorCode::ObjectNotSet);
  Workbook& book = *workbook_;
  auto source = read();

  const Variant& destination = argAt(args, 0);
  Worksheet* sheet = nullptr;
  int top = 3, left = 1;
  Ref<Worksheet> created;
  if (Range* range = asRange(destination)) {
    if (range->worksheet().workbook() != &book) throw referenceNotValid();
    sheet = &range->worksheet();
    top = range->area().top;
    left = range->area().left;
  } else if (destination.isMissing() || destination.isEmpty() || destination.toString().empty()) {
    created = book.addWorksheet(book.insertionIndex(Variant::missing(), Variant::missing(),
                                                    "CreatePivotTable", "PivotCache"));
    sheet = created.get();
  } else {
    const auto reference = SheetReference::parse(destination.toString());
    if (!reference) throw referenceNotValid();
    sheet = reference->sheet.empty() ? dynamic_cast<Worksheet*>(book.activeSheet())
                                     : book.findWorksheet(reference->sheet);
    if (!sheet) throw referenceNotValid();
    top = reference->area.top;
    left = reference->area.left;
  }

  const Variant& nameArg = argAt(args, 1);
  std::string name = nameArg.isMissing() ? std::string() : nameArg.toString();
  if (name.empty()) name = book.newPivotTableName();
  if (sheet->findPivotTable(name)) throw methodFailed("CreatePivotTable", "PivotCache");

  auto table =
      makeRef<PivotTable>(sheet, Ref<PivotCache>(this), name, std::move(source), top, left);
  sheet->addPivotTable(table);
  table->invalidate();
  if (created) book.activate(*created);
  return Ref<Object>(table);
}

}  // namespace qh::sim
