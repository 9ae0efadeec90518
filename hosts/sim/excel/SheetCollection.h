#pragma once

#include <vector>

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {

class Sheet;
class Workbook;

// Workbook.Sheets, Workbook.Worksheets and Workbook.Charts: a view of the workbook's sheets,
// all of them or those of one kind, in tab order. Item takes a 1-based index or a name; Add
// creates a worksheet (Sheets, Worksheets) or a chart sheet (Charts) where Before/After say,
// or before the active sheet, and makes it the active sheet, as Excel does.
class SheetCollection : public TableObject<SheetCollection> {
 public:
  enum class Filter { All, Worksheets, Charts };

  SheetCollection(Ref<Workbook> workbook, Filter filter);
  static const DispatchTable<SheetCollection>& table();

 private:
  std::vector<Sheet*> members() const;
  Variant item(Args& args);
  Variant add(Args& args);

  Ref<Workbook> workbook_;
  Filter filter_;
};

}  // namespace qh::sim
