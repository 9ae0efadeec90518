#include "hosts/sim/excel/CellStore.h"

#include <algorithm>

namespace qh::sim {
namespace {

// Room for a typical row at once: an export writes four cells a row (five with text).
constexpr std::size_t kCellsPerRow = 4;

}  // namespace

void CellStore::set(int row, int column, CellValue v) {
  if (v.isEmpty()) {
    clear(CellArea::cell(row, column));
    return;
  }
  Row& cells = rows_[row];
  if (cells.empty()) cells.reserve(kCellsPerRow);
  // Rows are mostly written left to right: the new cell usually goes last.
  if (cells.empty() || cells.back().first < column) {
    cells.emplace_back(column, std::move(v));
    ++count_;
    return;
  }
  const auto at = firstAtOrAfter(cells, column);
  if (at != cells.end() && at->first == column) {
    at->second = std::move(v);
    return;
  }
  cells.emplace(at, column, std::move(v));
  ++count_;
}

const CellValue& CellStore::get(int row, int column) const {
  static const CellValue kEmpty;
  const auto r = rows_.find(row);
  if (r == rows_.end()) return kEmpty;
  const Row& cells = r->second;
  const auto c = firstAtOrAfter(cells, column);
  return c == cells.end() || c->first != column ? kEmpty : c->second;
}

void CellStore::clear(const CellArea& area) {
  for (auto r = rows_.lower_bound(area.top); r != rows_.end() && r->first <= area.bottom;) {
    Row& cells = r->second;
    const auto from = firstAtOrAfter(cells, area.left);
    const auto to = firstAtOrAfter(cells, area.right + 1);
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
