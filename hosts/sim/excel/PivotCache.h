#pragma once

#include <memory>
#include <string>

#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/excel/CellArea.h"
#include "hosts/sim/excel/PivotReport.h"

namespace qh::sim {

class Workbook;
class Worksheet;

// A pivot cache over a block of a worksheet (SourceType xlDatabase, 1). The block is read
// when a pivot table is created from the cache or refreshed: its first row names the fields,
// and every row below becomes a record, copied, as Excel's cache copies it.
class PivotCache : public TableObject<PivotCache> {
 public:
  static constexpr int kDatabase = 1;

  // SourceData is a reference text ("'Quillhour'!R3C3:R6C6", "Sheet1!A1:D9") or a Range.
  static Ref<PivotCache> create(Workbook& workbook, const Variant& sourceType,
                                const Variant& sourceData);
  static const DispatchTable<PivotCache>& table();

  void detach() { workbook_ = nullptr; }
  // Reads the source block; raises Excel's errors for a reference that names no sheet or a
  // heading row with an empty cell.
  std::shared_ptr<const PivotSource> read() const;
  // The sheet the source block lies on (the active sheet's, when the reference named none),
  // and the block as the reference gave it.
  std::string sourceSheetName() const;
  const CellArea& sourceArea() const { return area_; }

  PivotCache(Workbook* workbook, std::string sheetName, CellArea area, Ref<Worksheet> sheet);

 private:
  Worksheet& sourceSheet() const;
  Variant createPivotTable(Args& args);
  std::string sourceText() const;

  Workbook* workbook_;
  std::string sheetName_;  // as the reference text named it (may be empty)
  CellArea area_;
  Ref<Worksheet> sheet_;  // when the source was given as a Range
};

}  // namespace qh::sim
