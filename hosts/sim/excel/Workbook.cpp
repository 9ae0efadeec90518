#include "hosts/sim/excel/Workbook.h"

#include <algorithm>

#include "hosts/sim/excel/Chart.h"
#include "hosts/sim/excel/ExcelApplication.h"
#include "hosts/sim/excel/ExcelArgs.h"
#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/PivotCache.h"
#include "hosts/sim/excel/PivotCaches.h"
#include "hosts/sim/excel/PivotTable.h"
#include "hosts/sim/excel/SheetCollection.h"
#include "hosts/sim/excel/Worksheet.h"
#include "hosts/sim/excel/template/TemplateBook.h"

namespace qh::sim {
namespace {

Variant sheetsOf(Workbook& book, SheetCollection::Filter filter, Args& args) {
  return collectionOrItem(makeRef<SheetCollection>(Ref<Workbook>(&book), filter), args);
}

}  // namespace

const DispatchTable<Workbook>& Workbook::table() {
  static const DispatchTable<Workbook> t = [] {
    using Filter = SheetCollection::Filter;
    DispatchTable<Workbook> d;
    d.get("Name", [](Workbook& b, Args&) -> Variant { return b.name(); });
    d.get("", [](Workbook& b, Args&) -> Variant { return b.name(); });
    d.get("ActiveSheet", [](Workbook& b, Args&) -> Variant { return b.activeSheet(); });
    d.get("ActiveChart", [](Workbook& b, Args&) -> Variant {
      Sheet* active = b.activeSheet();
      return active && active->kind() == Sheet::Kind::Chart ? active : nullptr;
    });
    d.get("Sheets", [](Workbook& b, Args& a) { return sheetsOf(b, Filter::All, a); });
    d.get("Worksheets", [](Workbook& b, Args& a) { return sheetsOf(b, Filter::Worksheets, a); });
    d.get("Charts", [](Workbook& b, Args& a) { return sheetsOf(b, Filter::Charts, a); });
    d.get("PivotCaches", [](Workbook& b, Args& a) {
      return collectionOrItem(makeRef<PivotCaches>(Ref<Workbook>(&b)), a);
    });
    d.method("Activate", [](Workbook& b, Args&) -> Variant {
      if (b.activeSheet()) b.activate(*b.activeSheet());
      return {};
    });
    d.get("Application",
          [](Workbook& b, Args&) -> Variant { return Ref<Object>(b.application()); });
    d.get("Parent", [](Workbook& b, Args&) -> Variant { return Ref<Object>(b.application()); });
    return d;
  }();
  return t;
}

Workbook::Workbook(ExcelApplication* application, std::string name)
    : application_(application), name_(std::move(name)) {}

Workbook::~Workbook() {
  for (auto& sheet : sheets_) sheet->detach();
  for (auto& cache : caches_) cache->detach();
}

Ref<Workbook> Workbook::fromTemplate(ExcelApplication* application, std::string name,
                                     const xls::TemplateBook& book) {
  Ref<Workbook> workbook = makeRef<Workbook>(application, std::move(name));
  if (book.defaultStyle < book.styles.size()) workbook->styles_[0] = book.styles[book.defaultStyle];
  // The file's styles by its own numbers, taken into the workbook as they are first used.
  std::vector<int> taken(book.styles.size(), -1);
  auto style = [&](std::uint32_t xf) {
    if (xf >= book.styles.size()) return 0;
    if (taken[xf] < 0) taken[xf] = workbook->addStyle(book.styles[xf]);
    return taken[xf];
  };
  for (const xls::TemplateSheet& source : book.sheets) {
    auto sheet = makeRef<Worksheet>(workbook.get(), source.name);
    for (const xls::TemplateCell& cell : source.cells) {
      const int row = static_cast<int>(cell.row), column = static_cast<int>(cell.column);
      if (const auto* text = std::get_if<std::string>(&cell.value))
        sheet->cells().set(row, column, CellValue::ofText(*text));
      else if (const auto* number = std::get_if<double>(&cell.value))
        sheet->cells().set(row, column, CellValue::ofNumber(*number));
      sheet->formats().setCellStyle(row, column, style(cell.style));
    }
    for (const xls::TemplateColumns& c : source.columns) {
      const int first = static_cast<int>(c.first), last = static_cast<int>(c.last);
      if (c.width > 0) sheet->columns().setWidth(first, last, c.width);
      if (c.hidden) sheet->columns().setHidden(first, last, true);
      sheet->columns().setStyle(first, last, style(c.style));
    }
    for (const xls::TemplateRow& r : source.rows)
      sheet->formats().setRow(static_cast<int>(r.row),
                              {r.styled ? style(r.style) : -1, r.height, r.hidden});
    sheet->settings() = source.settings;
    sheet->setSelection(
        CellArea::cell(static_cast<int>(source.activeRow), static_cast<int>(source.activeColumn)));
    sheet->setVisible(source.visible);
    workbook->insertSheet(sheet, workbook->sheets_.size());
  }
  workbook->active_ =
      workbook->sheets_.at(std::min(book.activeSheet, book.sheets.size() - 1)).get();
  return workbook;
}

Ref<Workbook> Workbook::blank(ExcelApplication* application, std::string name, int worksheets) {
  Ref<Workbook> workbook = makeRef<Workbook>(application, std::move(name));
  for (int i = 0; i < std::max(worksheets, 1); ++i) workbook->addWorksheet(workbook->sheetCount());
  workbook->active_ = workbook->sheets_.front().get();
  return workbook;
}

Sheet* Workbook::findSheet(const std::string& name) const {
  for (const auto& sheet : sheets_)
    if (sameSheetName(sheet->name(), name)) return sheet.get();
  return nullptr;
}

Worksheet* Workbook::findWorksheet(const std::string& name) const {
  return dynamic_cast<Worksheet*>(findSheet(name));
}

std::size_t Workbook::indexOf(const Sheet& sheet) const {
  for (std::size_t i = 0; i < sheets_.size(); ++i)
    if (sheets_[i].get() == &sheet) return i;
  throw Error(ErrorCode::ObjectNotSet);
}

std::vector<std::string> Workbook::sheetNames() const {
  std::vector<std::string> names;
  for (const auto& sheet : sheets_) names.push_back(sheet->name());
  return names;
}

void Workbook::activate(Sheet& sheet) {
  indexOf(sheet);  // must be one of ours
  active_ = &sheet;
  if (application_) application_->setActiveWorkbook(this);
}

void Workbook::insertSheet(Ref<Sheet> sheet, std::size_t index) {
  sheets_.insert(sheets_.begin() + static_cast<std::ptrdiff_t>(std::min(index, sheets_.size())),
                 std::move(sheet));
}

Ref<Worksheet> Workbook::addWorksheet(std::size_t index) {
  auto sheet = makeRef<Worksheet>(this, newSheetName("Sheet"));
  insertSheet(sheet, index);
  return sheet;
}

Ref<Chart> Workbook::addChart(std::size_t index) {
  auto chart = makeRef<Chart>(this, newSheetName("Chart"));
  insertSheet(chart, index);
  return chart;
}

void Workbook::moveSheet(Sheet& sheet, std::size_t index) {
  const std::size_t from = indexOf(sheet);
  Ref<Sheet> keep(&sheet);
  sheets_.erase(sheets_.begin() + static_cast<std::ptrdiff_t>(from));
  insertSheet(keep, index > from ? index - 1 : index);
}

std::size_t Workbook::insertionIndex(const Variant& before, const Variant& after,
                                     const char* method, const char* className) const {
  auto ours = [&](const Variant& v) -> const Sheet& {
    const Sheet* sheet = asSheet(v);
    if (!sheet || sheet->workbook() != this) throw methodFailed(method, className);
    return *sheet;
  };
  if (!before.isMissing()) return indexOf(ours(before));
  if (!after.isMissing()) return indexOf(ours(after)) + 1;
  return active_ ? indexOf(*active_) : 0;
}

std::string Workbook::newSheetName(const std::string& prefix) {
  int& counter = nameCounters_[prefix];
  std::string name;
  do name = prefix + std::to_string(++counter);
  while (findSheet(name));
  return name;
}

bool Workbook::pivotTableNameTaken(const std::string& name) const {
  for (const auto& sheet : sheets_)
    if (auto* ws = dynamic_cast<Worksheet*>(sheet.get()); ws && ws->findPivotTable(name))
      return true;
  return false;
}

std::string Workbook::newPivotTableName() {
  int& counter = nameCounters_["PivotTable"];
  std::string name;
  do name = "PivotTable" + std::to_string(++counter);
  while (pivotTableNameTaken(name));
  return name;
}

int Workbook::addStyle(const CellStyle& style) {
  const auto found = std::find(styles_.begin(), styles_.end(), style);
  if (found != styles_.end()) return static_cast<int>(found - styles_.begin());
  styles_.push_back(style);
  return static_cast<int>(styles_.size() - 1);
}

Ref<PivotCache> Workbook::addPivotCache(Ref<PivotCache> cache) {
  caches_.push_back(cache);
  return cache;
}

WorkbookSnapshot Workbook::snapshot() const {
  WorkbookSnapshot out;
  out.name = name_;
  for (const auto& sheet : sheets_) {
    if (auto* ws = dynamic_cast<const Worksheet*>(sheet.get()))
      out.sheets.push_back(ws->snapshot());
    else
      out.sheets.push_back(static_cast<const Chart&>(*sheet).snapshot());
  }
  out.activeSheet = active_ ? indexOf(*active_) : 0;
  out.styles = &styles_;
  return out;
}

}  // namespace qh::sim
