#include "hosts/sim/excel/CellFormats.h"

namespace qh::sim {

int CellFormats::styleAt(int row, int column, const ColumnSettings& columns) const {
  if (!cells_.empty()) {
    const auto cell = cells_.find({row, column});
    if (cell != cells_.end()) return cell->second;
  }
  if (!rows_.empty()) {
    const auto r = rows_.find(row);
    if (r != rows_.end() && r->second.style >= 0) return r->second.style;
  }
  return columns.style(column);
}

}  // namespace qh::sim
