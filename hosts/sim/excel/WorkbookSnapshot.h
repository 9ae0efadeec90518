#pragma once

#include <string>
#include <vector>

#include "hosts/sim/excel/CellArea.h"

namespace qh::sim {

class CellStore;
class ColumnSettings;

// A read-only view of a workbook as a file writer needs it, valid while the workbook is
// unchanged: the writer sees sheets, cells and charts, not automation objects.
struct ChartSeriesSnapshot {
  std::string name;
  std::string sheet;  // the worksheet that holds the points
  bool hasCategories = false;
  CellArea categories;
  CellArea values;
};

struct SheetSnapshot {
  enum class Kind { Worksheet, Chart };
  Kind kind = Kind::Worksheet;
  std::string name;
  const CellStore* cells = nullptr;         // worksheets
  const ColumnSettings* columns = nullptr;  // worksheets
  int chartType = 51;                       // charts: Excel's XlChartType (51 clustered column)
  std::vector<ChartSeriesSnapshot> series;  // charts
};

struct WorkbookSnapshot {
  std::string name;
  std::vector<SheetSnapshot> sheets;
  std::size_t activeSheet = 0;
};

}  // namespace qh::sim
