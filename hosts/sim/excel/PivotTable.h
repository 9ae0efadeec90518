#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/excel/CellArea.h"
#include "hosts/sim/excel/PivotReport.h"
#include "hosts/sim/excel/WorkbookSnapshot.h"

namespace qh::sim {

class PivotCache;
class PivotField;
class Worksheet;

// Excel's XlPivotFieldOrientation.
enum PivotOrientation : int {
  kHiddenField = 0,
  kRowField = 1,
  kColumnField = 2,
  kPageField = 3,
  kDataField = 4,
};

// A pivot table on a worksheet. Its values are computed from its cache's records after its
// layout changes and written into the worksheet's cells, so the sheet reads (and is written
// out) as Excel shows it. The computation waits until the table or its sheet is next read, so
// that a run of layout changes costs one. A field given the data orientation keeps answering that
// orientation (Excel would add a separate "Sum of ..." data field; the sum is what shows).
class PivotTable : public TableObject<PivotTable> {
 public:
  PivotTable(Worksheet* sheet, Ref<PivotCache> cache, std::string name,
             std::shared_ptr<const PivotSource> source, int top, int left);
  ~PivotTable() override;
  static const DispatchTable<PivotTable>& table();

  const std::string& name() const { return name_; }
  Worksheet* worksheet() const { return sheet_; }
  void detach() { sheet_ = nullptr; }
  bool smallGrid() const { return smallGrid_; }

  const PivotSource& source() const { return *source_; }
  PivotField* findField(const std::string& name) const;
  // PivotFields() without arguments, or one field by name or 1-based index.
  Variant pivotFields(Args& args);

  int orientation(int field) const;
  int position(int field) const;  // 0 for a hidden field
  void setOrientation(int field, int orientation);
  void setPosition(int field, int position);
  std::string currentPage(int field) const;
  void setCurrentPage(int field, const std::string& item);

  // Places the table's top-left cell (page fields stay above it).
  void moveTo(int row, int column);
  // The table without its page fields (TableRange1), and with them (TableRange2).
  CellArea bodyArea() const;
  CellArea fullArea() const;
  const PivotGrid& grid() const {
    settle();
    return grid_;
  }
  // The series of a chart built on the table: one per value column, over the row items.
  std::vector<ChartSeriesSnapshot> chartSeries() const;
  // The table as a file writer needs it, its values computed.
  PivotTableSnapshot snapshot() const;

  // The layout or the records changed: the values shown are computed again when next read.
  void invalidate();
  // Computes pending values and writes them into the worksheet, replacing the previous ones.
  void settle() const;

 private:
  std::vector<int>* listOf(int orientation);
  const std::vector<int>* listOf(int orientation) const;
  void refresh();
  void render() const;
  void fitColumns() const;

  Worksheet* sheet_;
  Ref<PivotCache> cache_;
  std::string name_;
  std::shared_ptr<const PivotSource> source_;
  int top_, left_;
  bool smallGrid_ = true;
  std::vector<Ref<PivotField>> fields_;
  PivotSpec spec_;
  // What the table shows, computed on demand (see settle).
  mutable bool stale_ = false;
  mutable int bodyTop_;
  mutable PivotGrid grid_;
  mutable bool rendered_ = false;
  mutable CellArea renderedArea_;
};

}  // namespace qh::sim
