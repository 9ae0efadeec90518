#include "hosts/sim/excel/CellStore.h"

#include <algorithm>

namespace qh::sim {

void CellStore::set(int row, int column, CellValue v) {
  if (v.isEmpty()) {
    clear(CellArea::cell(row, column));
    return;
  }
  auto& cells = rows_[row];
  auto [it, inserted] = cells.insert_or_assign(column, std::move(v));
  if (inserted) ++count_;
}

const CellValue& CellStore::get(int row, int column) const {
  static const CellValue kEmpty;
  const auto r = rows_.find(row);
  if (r == rows_.end()) return kEmpty;
  const auto c = r->second.find(column);
  return c == r->second.end() ? kEmpty : c->second;
}

void CellStore::clear(const CellArea& area) {
  for (auto r = rows_.lower_bound(area.top); r != rows_.end() && r->first <= area.bottom;) {
    auto& cells = r->second;
    const auto from = cells.lower_bound(area.left);
    const auto to = cells.upper_bound(area.right);
    count_ -= static_cast<std::size_t>(std::distance(from, to));
    cells.erase(from, to);
    r = cells.empty() ? rows_.erase(r) : std::next(r);
  }
}

bool CellStore::usedArea(CellArea& out) const {
  if (rows_.empty()) return false;
  out = {rows_.begin()->first, CellArea::kMaxColumn, rows_.rbegin()->first, 1};
  for (const auto& [row, cells] : rows_) {
    out.left = std::min(out.left, cells.begin()->first);
    out.right = std::max(out.right, cells.rbegin()->first);
  }
  return true;
}

}  // namespace qh::sim
