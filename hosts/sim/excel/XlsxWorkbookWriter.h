#pragma once

#include "hosts/sim/excel/WorkbookFileWriter.h"

namespace qh::sim {

// Writes a workbook as an .xlsx file with libxlsxwriter: worksheets with their values
// (formulas as formulas, dates with a date format), column widths and hidden columns, chart
// sheets with a chart of their series, and the active sheet. Pivot tables are written as the
// values they show; the file format's pivot parts are beyond the library.
class XlsxWorkbookWriter : public WorkbookFileWriter {
 public:
  void write(const WorkbookSnapshot& workbook, const std::filesystem::path& path) override;
  const char* extension() const override { return ".xlsx"; }
};

}  // namespace qh::sim
