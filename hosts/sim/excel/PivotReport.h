#pragma once

#include <map>
#include <string>
#include <vector>

#include "hosts/sim/excel/CellValue.h"

namespace qh::sim {

// The data a pivot cache holds: its field names (the heading row of the source) and a copy
// of every record below it.
struct PivotSource {
  std::vector<std::string> fieldNames;
  std::vector<std::vector<CellValue>> records;
};

// Which source fields a pivot table shows where, each list in position order, and the item
// each page field is set to (a field without an entry shows all items).
struct PivotSpec {
  std::vector<int> rowFields;
  std::vector<int> columnFields;
  std::vector<int> pageFields;
  std::vector<int> dataFields;
  std::map<int, std::string> pageSelections;
};

// A pivot table's values laid out in Excel's classic (tabular) form, relative to the table's
// top-left cell: row 0 holds the data caption ("Sum of Time"), row 1 the row field names and
// column headings, then one row per row item (sorted as Excel sorts items: numbers, then
// text without regard to case, then "(blank)") and a "Grand Total" row. Page fields sit above
// the table, one per row, ending one blank row above it.
struct PivotGrid {
  struct Cell {
    int row = 0;
    int column = 0;
    CellValue value;
  };
  struct Series {
    std::string name;
    int column = 0;
  };

  int rowCount = 1;
  int columnCount = 1;
  std::vector<Cell> cells;
  std::vector<Cell> pageCells;  // rows counted upwards: -2 is the last page row
  int pageRowCount = 0;
  // Where a chart built on the table finds its points: the item rows and label column, and
  // one series per value column (grand totals left out). labelColumn is -1 without row
  // fields.
  int firstItemRow = 2;
  int itemCount = 0;
  int labelColumn = 0;
  std::vector<Series> series;
};

// Computes a pivot table: filters the records by the page fields, groups them by the row and
// column fields and sums each data field (counts it when it holds text), in one pass over
// the records.
class PivotReport {
 public:
  static PivotGrid build(const PivotSource& source, const PivotSpec& layout);
  // "Sum of Time", or "Count of Tag" for a field that holds text.
  static std::string dataCaption(const PivotSource& source, int field);
  // The name a record value shows as a pivot item; an empty value is "(blank)".
  static std::string itemName(const CellValue& v);
};

}  // namespace qh::sim
