#include "hosts/sim/excel/ColumnSettings.h"

namespace qh::sim {

void ColumnSettings::setHidden(int first, int last, bool hidden) {
  for (int c = first; c <= last; ++c) {
    Column& column = columns_[c];
    column.hidden = hidden;
    if (column.isDefault()) columns_.erase(c);
  }
}

void ColumnSettings::setWidth(int first, int last, double width) {
  for (int c = first; c <= last; ++c) columns_[c].width = width;
}

void ColumnSettings::setStyle(int first, int last, int style) {
  for (int c = first; c <= last; ++c) {
    Column& column = columns_[c];
    column.style = style;
    if (column.isDefault()) columns_.erase(c);
  }
}

bool ColumnSettings::hidden(int column) const {
  const auto it = columns_.find(column);
  return it != columns_.end() && it->second.hidden;
}

int ColumnSettings::style(int column) const {
  const auto it = columns_.find(column);
  return it == columns_.end() ? 0 : it->second.style;
}

}  // namespace qh::sim
