#include "hosts/sim/excel/PivotReport.h"

#include <algorithm>

#include "hosts/sim/excel/TextFold.h"

namespace qh::sim {
namespace {

using Key = std::vector<CellValue>;

struct KeyLess {
  bool operator()(const Key& a, const Key& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        PivotReport::itemLess);
  }
};

struct Accumulator {
  double sum = 0;
  double count = 0;
};

using Totals = std::vector<Accumulator>;  // one per data field

// The grouping pass: one map lookup per record and grouping level.
class Aggregation {
 public:
  Aggregation(const PivotSource& source, const PivotSpec& layout)
      : source_(source), layout_(layout) {
    for (int f : layout.dataFields) counts_.push_back(PivotReport::counts(source, f));
    for (const auto& record : source.records) {
      if (!PivotReport::shown(record, layout)) continue;
      const Key row = keyOf(record, layout.rowFields);
      const Key column = keyOf(record, layout.columnFields);
      add(cells_[row][column], record);
      add(rowTotals_[row], record);
      add(columnTotals_[column], record);
      add(grandTotal_, record);
    }
    if (layout.columnFields.empty()) columnTotals_.try_emplace(Key{});
  }

  double value(const Accumulator& a, std::size_t d) const { return counts_[d] ? a.count : a.sum; }

  std::map<Key, std::map<Key, Totals, KeyLess>, KeyLess> cells_;
  std::map<Key, Totals, KeyLess> rowTotals_;
  std::map<Key, Totals, KeyLess> columnTotals_;
  Totals grandTotal_;

 private:
  static Key keyOf(const std::vector<CellValue>& record, const std::vector<int>& fields) {
    Key key;
    key.reserve(fields.size());
    for (int f : fields) key.push_back(record[f]);
    return key;
  }
  void add(Totals& totals, const std::vector<CellValue>& record) {
    totals.resize(layout_.dataFields.size());
    for (std::size_t d = 0; d < layout_.dataFields.size(); ++d) {
      const CellValue& v = record[layout_.dataFields[d]];
      if (v.isEmpty()) continue;
      totals[d].count += 1;
      if (v.isNumeric()) totals[d].sum += v.number;
    }
  }

  const PivotSource& source_;
  const PivotSpec& layout_;
  std::vector<bool> counts_;
};

std::string keyText(const Key& key) {
  std::string text;
  for (const CellValue& v : key) text += (text.empty() ? "" : " - ") + PivotReport::itemName(v);
  return text;
}

}  // namespace

std::string PivotReport::itemName(const CellValue& v) {
  return v.isEmpty() ? "(blank)" : v.displayText();
}

PivotReport::ItemRank PivotReport::itemRank(const CellValue& v) {
  if (v.isEmpty()) return kBlankRank;
  return v.isNumeric() || v.kind == CellValue::Kind::Boolean ? kNumberRank : kTextRank;
}

// Excel's item order: numbers and dates by value, then text without regard to case, then
// blanks. Texts include formulas, which show their text as it stands.
bool PivotReport::itemLess(const CellValue& a, const CellValue& b) {
  const ItemRank ra = itemRank(a), rb = itemRank(b);
  if (ra != rb) return ra < rb;
  if (ra == kNumberRank) return a.number < b.number;
  if (ra == kTextRank) return lessFolded(a.text, b.text);
  return false;
}

bool PivotReport::shown(const std::vector<CellValue>& record, const PivotSpec& layout) {
  for (const auto& [field, item] : layout.pageSelections)
    if (!equalFolded(itemName(record[field]), item)) return false;
  return true;
}

bool PivotReport::counts(const PivotSource& source, int field) {
  for (const auto& record : source.records) {
    const CellValue& v = record[field];
    if (!v.isEmpty() && !v.isNumeric()) return true;
  }
  return false;
}

std::string PivotReport::dataCaption(const PivotSource& source, int field) {
  return (counts(source, field) ? "Count of " : "Sum of ") + source.fieldNames[field];
}

PivotGrid PivotReport::build(const PivotSource& source, const PivotSpec& layout) {
  const Aggregation agg(source, layout);
  PivotGrid grid;
  auto put = [&grid](int row, int column, CellValue v) {
    grid.cells.push_back({row, column, std::move(v)});
    grid.rowCount = std::max(grid.rowCount, row + 1);
    grid.columnCount = std::max(grid.columnCount, column + 1);
  };
  const int labels = static_cast<int>(layout.rowFields.size());
  const std::size_t dataCount = layout.dataFields.size();
  std::vector<std::string> captions;
  for (int f : layout.dataFields) captions.push_back(dataCaption(source, f));

  // With column fields, a row for the corner caption and their names above the headings.
  const bool columnArea = !layout.columnFields.empty();
  const int headingRow = columnArea ? 1 : 0;
  if (columnArea && dataCount == 1) put(0, 0, CellValue::ofText(captions[0]));
  for (std::size_t i = 0; i < layout.columnFields.size(); ++i)
    put(0, labels + static_cast<int>(i),
        CellValue::ofText(source.fieldNames[layout.columnFields[i]]));
  for (int i = 0; i < labels; ++i)
    put(headingRow, i, CellValue::ofText(source.fieldNames[layout.rowFields[i]]));

  // Value columns: every column item times every data field, then the grand totals.
  struct ValueColumn {
    const Key* columnKey;  // nullptr for a grand-total column
    std::size_t data;
  };
  std::vector<ValueColumn> valueColumns;
  for (const auto& [key, totals] : agg.columnTotals_)
    for (std::size_t d = 0; d < dataCount; ++d) valueColumns.push_back({&key, d});
  if (!layout.columnFields.empty())
    for (std::size_t d = 0; d < dataCount; ++d) valueColumns.push_back({nullptr, d});
  for (std::size_t i = 0; i < valueColumns.size(); ++i) {
    const ValueColumn& vc = valueColumns[i];
    std::string heading;
    if (!columnArea)
      heading = captions[vc.data];
    else if (!vc.columnKey)
      heading = dataCount == 1 ? "Grand Total" : "Total " + captions[vc.data];
    else
      heading = keyText(*vc.columnKey) + (dataCount == 1 ? "" : " - " + captions[vc.data]);
    put(headingRow, labels + static_cast<int>(i), CellValue::ofText(heading));
    if (vc.columnKey) grid.series.push_back({heading, labels + static_cast<int>(i)});
  }

  auto putValues = [&](int row, auto totalsFor) {
    for (std::size_t i = 0; i < valueColumns.size(); ++i) {
      const Totals* totals = totalsFor(valueColumns[i].columnKey);
      if (totals && !totals->empty())
        put(row, labels + static_cast<int>(i),
            CellValue::ofNumber(agg.value((*totals)[valueColumns[i].data], valueColumns[i].data)));
    }
  };

  grid.firstItemRow = headingRow + 1;
  int row = grid.firstItemRow;
  if (labels > 0) {
    for (const auto& [key, byColumn] : agg.cells_) {
      for (int i = 0; i < labels; ++i) put(row, i, CellValue::ofText(itemName(key[i])));
      putValues(row, [&, &byColumn = byColumn, &key = key](const Key* column) -> const Totals* {
        if (!column) return &agg.rowTotals_.at(key);
        const auto it = byColumn.find(*column);
        return it == byColumn.end() ? nullptr : &it->second;
      });
      ++row;
    }
    grid.itemCount = row - grid.firstItemRow;
    grid.labelColumn = labels - 1;
    put(row, 0, CellValue::ofText("Grand Total"));
  } else {
    grid.itemCount = 1;
    grid.labelColumn = -1;  // no row field: the chart has one unnamed category
  }
  putValues(row, [&](const Key* column) -> const Totals* {
    return column ? &agg.columnTotals_.at(*column) : &agg.grandTotal_;
  });

  grid.pageRowCount = static_cast<int>(layout.pageFields.size());
  for (int i = 0; i < grid.pageRowCount; ++i) {
    const int field = layout.pageFields[i];
    const auto selected = layout.pageSelections.find(field);
    const int pageRow = -1 - grid.pageRowCount + i;
    grid.pageCells.push_back({pageRow, 0, CellValue::ofText(source.fieldNames[field])});
    grid.pageCells.push_back(
        {pageRow, 1,
         CellValue::ofText(selected == layout.pageSelections.end() ? "(All)" : selected->second)});
  }
  return grid;
}

}  // namespace qh::sim
