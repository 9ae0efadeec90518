#pragma once

#include <map>

namespace qh::sim {

// Per-column width and hidden flag of a worksheet; columns never touched keep Excel's
// defaults (standard width, visible).
class ColumnSettings {
 public:
  struct Column {
    double width = 0;  // in characters; 0 means the standard width
    bool hidden = false;
  };

  void setHidden(int first, int last, bool hidden);
  void setWidth(int first, int last, double width);
  bool hidden(int column) const;
  // Every column that differs from the defaults, by column number.
  const std::map<int, Column>& columns() const { return columns_; }

 private:
  std::map<int, Column> columns_;
};

}  // namespace qh::sim
