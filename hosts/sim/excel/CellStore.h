#pragma once

#include <algorithm>
#include <cstddef>
#include <map>
#include <utility>
#include <vector>

#include "hosts/sim/excel/CellArea.h"
#include "hosts/sim/excel/CellValue.h"

namespace qh::sim {

// The cells of one worksheet, kept sparse and in row-then-column order, so that writing a
// row, reading a cell and walking the sheet for output all stay logarithmic or linear in the
// number of cells written. A row's few cells sit side by side, ordered by column.
class CellStore {
 public:
  // Stores v at (row, column); an empty value removes the cell.
  void set(int row, int column, CellValue v);
  const CellValue& get(int row, int column) const;
  void clear(const CellArea& area);

  std::size_t size() const { return count_; }
  // The smallest area holding every non-empty cell, or nothing when the sheet is empty.
  bool usedArea(CellArea& out) const;

  // Visits every non-empty cell as f(row, column, value), row by row, left to right.
  template <class F>
  void forEach(F&& f) const {
    for (const auto& [row, cells] : rows_)
      for (const auto& [column, value] : cells) f(row, column, value);
  }
  // The same for the cells inside area only.
  template <class F>
  void forEachIn(const CellArea& area, F&& f) const {
    for (auto r = rows_.lower_bound(area.top); r != rows_.end() && r->first <= area.bottom; ++r)
      for (const auto& [column, value] : r->second)
        if (column >= area.left && column <= area.right) f(r->first, column, value);
  }

 private:
  using Row = std::vector<std::pair<int, CellValue>>;
  // The first cell of a row at column or right of it (Row or const Row).
  template <class R>
  static auto firstAtOrAfter(R& cells, int column) {
    return std::lower_bound(cells.begin(), cells.end(), column,
                            [](const auto& cell, int c) { return cell.first < c; });
  }

  std::map<int, Row> rows_;
  std::size_t count_ = 0;
};

}  // namespace qh::sim
