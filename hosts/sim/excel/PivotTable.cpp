#include "hosts/sim/excel/PivotTable.h"

#include <algorithm>
#include <map>

#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/PivotCache.h"
#include "hosts/sim/excel/PivotField.h"
#include "hosts/sim/excel/PivotFields.h"
#include "hosts/sim/excel/Range.h"
#include "hosts/sim/excel/Utf8.h"
#include "hosts/sim/excel/Worksheet.h"

namespace qh::sim {

PivotTable::PivotTable(Worksheet* sheet, Ref<PivotCache> cache, std::string name,
                       std::shared_ptr<const PivotSource> source, int top, int left)
    : sheet_(sheet),
      cache_(std::move(cache)),
      name_(std::move(name)),
      source_(std::move(source)),
      top_(top),
      left_(left),
      bodyTop_(top) {
  for (std::size_t i = 0; i < source_->fieldNames.size(); ++i)
    fields_.push_back(makeRef<PivotField>(this, static_cast<int>(i)));
}

PivotTable::~PivotTable() {
  for (auto& field : fields_) field->detach();
}

const DispatchTable<PivotTable>& PivotTable::table() {
  static const DispatchTable<PivotTable> t = [] {
    DispatchTable<PivotTable> d;
    d.get("Name", [](PivotTable& p, Args&) -> Variant { return p.name_; });
    d.get("", [](PivotTable& p, Args&) -> Variant { return p.name_; });
    d.put("Name", [](PivotTable& p, Args& a) -> Variant {
      const std::string name = putValue(a).toString();
      if (name.empty() ||
          (p.sheet_ && p.sheet_->findPivotTable(name) && p.sheet_->findPivotTable(name) != &p))
        throw unableToSet("Name", "PivotTable");
      p.name_ = name;
      return {};
    });
    d.get("SmallGrid", [](PivotTable& p, Args&) -> Variant { return p.smallGrid_; });
    d.put("SmallGrid", [](PivotTable& p, Args& a) -> Variant {
      p.smallGrid_ = putValue(a).toBool();
      return {};
    });
    d.get("PivotFields", [](PivotTable& p, Args& a) { return p.pivotFields(a); });
    d.get("PivotCache", [](PivotTable& p, Args&) -> Variant { return Ref<Object>(p.cache_); });
    d.get("TableRange1", [](PivotTable& p, Args&) -> Variant {
      if (!p.sheet_) throw Error(ErrorCode::ObjectNotSet);
      return Ref<Object>(p.sheet_->range(p.bodyArea()));
    });
    d.get("TableRange2", [](PivotTable& p, Args&) -> Variant {
      if (!p.sheet_) throw Error(ErrorCode::ObjectNotSet);
      return Ref<Object>(p.sheet_->range(p.fullArea()));
    });
    d.method("RefreshTable", [](PivotTable& p, Args&) -> Variant {
      p.refresh();
      return true;
    });
    d.get("Parent", [](PivotTable& p, Args&) -> Variant { return Ref<Object>(p.sheet_); });
    return d;
  }();
  return t;
}

PivotField* PivotTable::findField(const std::string& name) const {
  for (std::size_t i = 0; i < fields_.size(); ++i)
    if (memberNameEquals(source_->fieldNames[i], name)) return fields_[i].get();
  return nullptr;
}

Variant PivotTable::pivotFields(Args& args) {
  if (args.empty()) return Ref<Object>(makeRef<PivotFields>(Ref<PivotTable>(this)));
  const Variant& key = args[0];
  if (key.isString() && !key.isNumeric()) {
    if (PivotField* field = findField(key.asString())) return Ref<Object>(field);
  } else if (key.isNumeric()) {
    const int index = key.toInt32();
    if (index >= 1 && index <= static_cast<int>(fields_.size()))
      return Ref<Object>(fields_[index - 1]);
  }
  throw unableToGet("PivotFields", "PivotTable");
}

std::vector<int>* PivotTable::listOf(int orientation) {
  return const_cast<std::vector<int>*>(std::as_const(*this).listOf(orientation));
}

const std::vector<int>* PivotTable::listOf(int orientation) const {
  switch (orientation) {
    case kRowField:
      return &spec_.rowFields;
    case kColumnField:
      return &spec_.columnFields;
    case kPageField:
      return &spec_.pageFields;
    case kDataField:
      return &spec_.dataFields;
    default:
      return nullptr;
  }
}

int PivotTable::orientation(int field) const {
  for (int o : {kRowField, kColumnField, kPageField, kDataField}) {
    const auto* list = listOf(o);
    if (std::find(list->begin(), list->end(), field) != list->end()) return o;
  }
  return kHiddenField;
}

int PivotTable::position(int field) const {
  const auto* list = listOf(orientation(field));
  if (!list) return 0;
  return static_cast<int>(std::find(list->begin(), list->end(), field) - list->begin()) + 1;
}

// A field that gets a new orientation leaves its old place and is added last in the new one.
void PivotTable::setOrientation(int field, int orientation) {
  if (orientation < kHiddenField || orientation > kDataField)
    throw unableToSet("Orientation", "PivotField");
  const int current = this->orientation(field);
  if (current == orientation) return;
  if (auto* list = listOf(current)) list->erase(std::find(list->begin(), list->end(), field));
  if (current == kPageField) spec_.pageSelections.erase(field);
  if (auto* list = listOf(orientation)) list->push_back(field);
  invalidate();
}

void PivotTable::setPosition(int field, int position) {
  auto* list = listOf(orientation(field));
  if (!list || position < 1 || position > static_cast<int>(list->size()))
    throw unableToSet("Position", "PivotField");
  list->erase(std::find(list->begin(), list->end(), field));
  list->insert(list->begin() + (position - 1), field);
  invalidate();
}

std::string PivotTable::currentPage(int field) const {
  if (orientation(field) != kPageField) throw unableToGet("CurrentPage", "PivotField");
  const auto it = spec_.pageSelections.find(field);
  return it == spec_.pageSelections.end() ? "(All)" : it->second;
}

// A page field shows "(All)" or one of its items, named as the table shows it.
void PivotTable::setCurrentPage(int field, const std::string& item) {
  if (orientation(field) != kPageField) throw unableToSet("CurrentPage", "PivotField");
  if (memberNameEquals(item, "(All)")) {
    spec_.pageSelections.erase(field);
  } else {
    const auto match = std::find_if(
        source_->records.begin(), source_->records.end(), [&](const std::vector<CellValue>& r) {
          return memberNameEquals(PivotReport::itemName(r[field]), item);
        });
    if (match == source_->records.end()) throw unableToSet("CurrentPage", "PivotField");
    spec_.pageSelections[field] = PivotReport::itemName((*match)[field]);
  }
  invalidate();
}

void PivotTable::moveTo(int row, int column) {
  top_ = row;
  left_ = column;
  invalidate();
}

CellArea PivotTable::bodyArea() const {
  settle();
  return {bodyTop_, left_, bodyTop_ + grid_.rowCount - 1, left_ + grid_.columnCount - 1};
}

CellArea PivotTable::fullArea() const {
  CellArea area = bodyArea();
  if (grid_.pageRowCount > 0) {
    area.top -= grid_.pageRowCount + 1;
    area.right = std::max(area.right, left_ + 1);
  }
  return area;
}

void PivotTable::refresh() {
  source_ = cache_->read();
  spec_.pageSelections.clear();
  invalidate();
}

void PivotTable::invalidate() {
  stale_ = true;
  if (sheet_) sheet_->pivotTableChanged();
}

void PivotTable::settle() const {
  if (!stale_) return;
  stale_ = false;
  render();
}

void PivotTable::render() const {
  if (!sheet_) return;
  CellStore& cells = sheet_->cellsAsStored();
  if (rendered_) cells.clear(renderedArea_);
  grid_ = PivotReport::build(*source_, spec_);
  // Excel moves a table down when its page fields would not fit above it.
  bodyTop_ = grid_.pageRowCount > 0 ? std::max(top_, grid_.pageRowCount + 2) : top_;
  for (const auto& cell : grid_.cells)
    cells.set(bodyTop_ + cell.row, left_ + cell.column, cell.value);
  for (const auto& cell : grid_.pageCells)
    cells.set(bodyTop_ + cell.row, left_ + cell.column, cell.value);
  renderedArea_ = fullArea();
  rendered_ = true;
  fitColumns();
}

// Excel fits the table's columns to what they show when it lays the table out (a table's
// "autofit column widths on update", on by default): about one character width per
// character, with a little room, never narrower than the standard width.
void PivotTable::fitColumns() const {
  constexpr double kStandardWidth = 8.43, kRoom = 1.5;
  std::map<int, std::size_t> longest;
  auto measure = [&](const PivotGrid::Cell& cell) {
    const std::size_t characters = utf8Length(cell.value.displayText());
    std::size_t& width = longest[left_ + cell.column];
    width = std::max(width, characters);
  };
  std::for_each(grid_.cells.begin(), grid_.cells.end(), measure);
  std::for_each(grid_.pageCells.begin(), grid_.pageCells.end(), measure);
  for (const auto& [column, characters] : longest) {
    const double width = static_cast<double>(characters) + kRoom;
    if (width > kStandardWidth) sheet_->columns().setWidth(column, column, width);
  }
}

std::vector<ChartSeriesSnapshot> PivotTable::chartSeries() const {
  settle();
  std::vector<ChartSeriesSnapshot> out;
  if (!sheet_ || grid_.itemCount == 0) return out;
  const int first = bodyTop_ + grid_.firstItemRow;
  const int last = first + grid_.itemCount - 1;
  for (const auto& series : grid_.series) {
    ChartSeriesSnapshot s;
    s.name = series.name;
    s.sheet = sheet_->name();
    s.values = {first, left_ + series.column, last, left_ + series.column};
    if (grid_.labelColumn >= 0) {
      s.hasCategories = true;
      s.categories = {first, left_ + grid_.labelColumn, last, left_ + grid_.labelColumn};
    }
    out.push_back(std::move(s));
  }
  return out;
}

PivotTableSnapshot PivotTable::snapshot() const {
  settle();
  PivotTableSnapshot out;
  out.name = name_;
  out.sourceSheet = cache_->sourceSheetName();
  out.sourceArea = cache_->sourceArea();
  out.source = source_.get();
  out.layout = &spec_;
  out.grid = &grid_;
  out.body = bodyArea();
  return out;
}

}  // namespace qh::sim
