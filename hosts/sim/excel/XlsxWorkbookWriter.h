#pragma once

#include "hosts/sim/excel/WorkbookFileWriter.h"

namespace qh::sim {

// Writes a workbook as an .xlsx file with libxlsxwriter: worksheets with their values
// (formulas as formulas) in their styles, column widths, hidden columns, row heights, frozen
// panes, page setup and selected cell, chart sheets with a chart of their series, hidden
// sheets and the active sheet. Pivot tables show their values in their sheets' cells; their
// cache and definition parts, which the library cannot write, are added to the package it
// wrote (XlsxPivotParts), and a chart built on one becomes a pivot chart.
class XlsxWorkbookWriter : public WorkbookFileWriter {
 public:
  void write(const WorkbookSnapshot& workbook, const std::filesystem::path& path) override;
  const char* extension() const override { return ".xlsx"; }
};

}  // namespace qh::sim
