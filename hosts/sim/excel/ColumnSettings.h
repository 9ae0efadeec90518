#pragma once

#include <map>

namespace qh::sim {

// Per-column width, hidden flag and style of a worksheet; columns never touched keep Excel's
// defaults (standard width, visible, the workbook's default style).
class ColumnSettings {
 public:
  struct Column {
    double width = 0;  // in characters; 0 means the standard width
    bool hidden = false;
    int style = 0;  // index into the workbook's styles; 0 is its default style

    bool isDefault() const { return width == 0 && !hidden && style == 0; }
  };

  void setHidden(int first, int last, bool hidden);
  void setWidth(int first, int last, double width);
  void setStyle(int first, int last, int style);
  bool hidden(int column) const;
  int style(int column) const;
  // Every column that differs from the defaults, by column number.
  const std::map<int, Column>& columns() const { return columns_; }

 private:
  std::map<int, Column> columns_;
};

}  // namespace qh::sim
