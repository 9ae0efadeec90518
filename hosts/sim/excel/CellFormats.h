#pragma once

#include <map>
#include <utility>

#include "hosts/sim/excel/ColumnSettings.h"

namespace qh::sim {

// Which style each cell of a worksheet has, kept as Excel keeps it: a cell's own style where
// it was given one, else its row's, else its column's, else the workbook's default (style 0).
// A value written into a cell takes the style the cell already shows. Rows also keep their
// height and hidden flag.
class CellFormats {
 public:
  struct Row {
    int style = -1;     // -1: the row has no style of its own
    double height = 0;  // points; 0 for the default height
    bool hidden = false;
  };

  void setCellStyle(int row, int column, int style) { cells_[{row, column}] = style; }
  void setRow(int row, Row settings) { rows_[row] = settings; }

  // The style the cell shows, given its sheet's column settings.
  int styleAt(int row, int column, const ColumnSettings& columns) const;
  // Cells given a style of their own, by (row, column), in row order.
  const std::map<std::pair<int, int>, int>& cellStyles() const { return cells_; }
  const std::map<int, Row>& rows() const { return rows_; }

 private:
  std::map<std::pair<int, int>, int> cells_;
  std::map<int, Row> rows_;
};

}  // namespace qh::sim
