#include "hosts/sim/excel/PivotCacheFields.h"

#include <algorithm>
#include <cmath>

#include "hosts/sim/excel/TextFold.h"
#include "hosts/sim/excel/Utf8.h"

namespace qh::sim {
namespace {

constexpr std::size_t kShortTextLimit = 255;

struct ItemLess {
  bool operator()(const CellValue* a, const CellValue* b) const {
    return PivotReport::itemLess(*a, *b);
  }
};

bool onAxis(const PivotSpec& layout, int field) {
  for (const auto* list : {&layout.rowFields, &layout.columnFields, &layout.pageFields})
    if (std::find(list->begin(), list->end(), field) != list->end()) return true;
  return false;
}

}  // namespace

PivotCacheFields::PivotCacheFields(const PivotSource& source, const PivotSpec& layout)
    : fields_(source.fieldNames.size()) {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    Field& f = fields_[i];
    const int field = static_cast<int>(i);
    for (const auto& record : source.records) note(f, record[i]);
    f.shared = onAxis(layout, field);
    if (!f.shared) continue;
    // One look-up per record: the items met so far, in Excel's order.
    std::map<const CellValue*, std::uint32_t, ItemLess> found;
    f.recordItems.reserve(source.records.size());
    for (const auto& record : source.records) {
      const auto [it, added] =
          found.try_emplace(&record[i], static_cast<std::uint32_t>(f.items.size()));
      if (added) f.items.push_back(&record[i]);
      f.recordItems.push_back(it->second);
    }
    f.positions.resize(f.items.size());
    for (const auto& [value, index] : found) {
      f.positions[index] = static_cast<std::uint32_t>(f.sortedItems.size());
      f.sortedItems.push_back(index);
    }
  }
}

void PivotCacheFields::note(Field& f, const CellValue& v) {
  switch (v.kind) {
    case CellValue::Kind::Empty:
      f.blank = true;
      return;
    case CellValue::Kind::Number:
      f.minNumber = f.number ? std::min(f.minNumber, v.number) : v.number;
      f.maxNumber = f.number ? std::max(f.maxNumber, v.number) : v.number;
      f.number = true;
      f.integers = f.integers && v.number == std::floor(v.number);
      return;
    case CellValue::Kind::Date:
      f.minDate = f.date ? std::min(f.minDate, v.number) : v.number;
      f.maxDate = f.date ? std::max(f.maxDate, v.number) : v.number;
      f.date = true;
      return;
    case CellValue::Kind::Boolean:
      f.boolean = true;
      return;
    case CellValue::Kind::Text:
    case CellValue::Kind::Formula:
      f.text = true;
      f.longText = f.longText || utf8Length(v.text) > kShortTextLimit;
      return;
  }
}

std::uint32_t PivotCacheFields::position(std::size_t record, int field) const {
  const Field& f = fields_[static_cast<std::size_t>(field)];
  return f.positions[f.recordItems[record]];
}

int PivotCacheFields::positionOf(int field, const std::string& name) const {
  const Field& f = fields_[static_cast<std::size_t>(field)];
  for (std::size_t i = 0; i < f.items.size(); ++i)
    if (equalFolded(PivotReport::itemName(*f.items[i]), name))
      return static_cast<int>(f.positions[i]);
  return -1;
}

}  // namespace qh::sim
