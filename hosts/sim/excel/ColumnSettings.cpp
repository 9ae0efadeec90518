#include "hosts/sim/excel/ColumnSettings.h"

namespace qh::sim {

void ColumnSettings::setHidden(int first, int last, bool hidden) {
  for (int c = first; c <= last; ++c) {
    Column& column = columns_[c];
    column.hidden = hidden;
    if (!column.hidden && column.width == 0) columns_.erase(c);
  }
}

void ColumnSettings::setWidth(int first, int last, double width) {
  for (int c = first; c <= last; ++c) columns_[c].width = width;
}

bool ColumnSettings::hidden(int column) const {
  const auto it = columns_.find(column);
  return it != columns_.end() && it->second.hidden;
}

}  // namespace qh::sim
