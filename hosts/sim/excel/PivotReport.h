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

// A pivot table's values laid out in Excel's tabular form, relative to the table's top-left
// cell. Without column fields one heading row holds the row field names and the data
// captions ("Tag", "Sum of Time"); with them a first row holds the data caption and the column
// field names, and a second the row field names and the column items. One row per row item
// follows (sorted as Excel sorts items: numbers, then text without regard to case, then
// "(blank)"), then a "Grand Total" row. Page fields sit above the table, one per row, ending
// one blank row above it. LibreOffice lays a table out the same way when it computes it
// afresh, so the cells and a chart over them read the same in both.
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
  int firstItemRow = 1;
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
  // Whether a data field counts its values (it holds text) rather than summing them.
  static bool counts(const PivotSource& source, int field);
  // The name a record value shows as a pivot item; an empty value is "(blank)".
  static std::string itemName(const CellValue& v);
  // Excel's order of items; two values neither less than the other are one item (texts that
  // differ only in letter case among them). Items rank as numbers (dates and booleans among
  // them), then texts, then the blank.
  enum ItemRank { kNumberRank, kTextRank, kBlankRank };
  static ItemRank itemRank(const CellValue& v);
  static bool itemLess(const CellValue& a, const CellValue& b);
  // Whether the record passes the page fields' selections.
  static bool shown(const std::vector<CellValue>& record, const PivotSpec& layout);
};

}  // namespace qh::sim
