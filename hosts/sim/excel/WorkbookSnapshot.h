#pragma once

#include <string>
#include <vector>

#include "hosts/sim/excel/CellArea.h"
#include "hosts/sim/excel/CellStyle.h"
#include "hosts/sim/excel/PivotReport.h"
#include "hosts/sim/excel/SheetSettings.h"

namespace qh::sim {

class CellFormats;
class CellStore;
class ColumnSettings;

// A read-only view of a workbook as a file writer needs it, valid while the workbook is
// unchanged: the writer sees sheets, cells, styles, pivot tables and charts, not automation
// objects.
struct ChartSeriesSnapshot {
  std::string name;
  std::string sheet;  // the worksheet that holds the points
  bool hasCategories = false;
  CellArea categories;
  CellArea values;
};

// A pivot table as its cache and its layout describe it: the source block it was made from
// (as the source reference named it), the records it read, where its fields stand and where
// its values are shown on its sheet.
struct PivotTableSnapshot {
  std::string name;
  std::string sourceSheet;
  CellArea sourceArea;
  const PivotSource* source = nullptr;
  const PivotSpec* layout = nullptr;
  const PivotGrid* grid = nullptr;
  CellArea body;  // the table without its page fields
};

struct SheetSnapshot {
  enum class Kind { Worksheet, Chart };
  Kind kind = Kind::Worksheet;
  std::string name;
  bool visible = true;
  // Worksheets:
  const CellStore* cells = nullptr;
  const ColumnSettings* columns = nullptr;
  const CellFormats* formats = nullptr;
  const SheetSettings* settings = nullptr;
  CellArea selection;
  std::vector<PivotTableSnapshot> pivotTables;
  // Charts:
  int chartType = 51;  // Excel's XlChartType (51 clustered column)
  std::vector<ChartSeriesSnapshot> series;
  std::string pivotSheet;  // a pivot chart's table: its sheet and name
  std::string pivotTable;
};

struct WorkbookSnapshot {
  std::string name;
  std::vector<SheetSnapshot> sheets;
  std::size_t activeSheet = 0;
  const std::vector<CellStyle>* styles = nullptr;  // style 0 is the default
};

}  // namespace qh::sim
