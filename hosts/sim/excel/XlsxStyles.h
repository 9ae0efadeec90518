#pragma once

#include <xlsxwriter.h>

#include <vector>

#include "hosts/sim/excel/CellStyle.h"
#include "hosts/sim/excel/CellValue.h"

namespace qh::sim {

// The libxlsxwriter formats of one workbook's styles, made as they are first used. A date
// written into a cell of the "General" format shows in Excel's date format, as Excel formats
// a date typed into such a cell; a new workbook's default style needs no format at all.
class XlsxStyles {
 public:
  XlsxStyles(lxw_workbook* book, const std::vector<CellStyle>* styles);

  // The format of style `index` for a cell holding `value` (nullptr: the file's default).
  lxw_format* format(int index, const CellValue& value);
  // The format of style `index` for a row, a column or an empty cell.
  lxw_format* format(int index);

 private:
  enum Variant { kAsIs, kDate, kDateTime, kVariants };

  lxw_format* variant(int index, Variant v);
  lxw_format* make(const CellStyle& style, const char* dateFormat);

  lxw_workbook* book_;
  std::vector<CellStyle> styles_;
  std::vector<lxw_format*> made_;  // kVariants per style; nullptr until made
  std::vector<bool> madeYet_;
};

}  // namespace qh::sim
