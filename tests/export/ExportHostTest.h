#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hosts/sim/excel/CellValue.h"
#include "hosts/sim/excel/ExcelApplication.h"
#include "hosts/sim/excel/ExcelOutput.h"
#include "hosts/sim/excel/Workbook.h"
#include "hosts/sim/excel/Workbooks.h"
#include "hosts/sim/excel/Worksheet.h"
#include "tests/support/AddinHostTest.h"

namespace qh::testing {

// The export as a user drives it: the real add-in in the simulated host, an explorer on the
// calendar, the "Export Times" button, the dialog's controls by name, and the workbooks of the
// simulated Excel kept for inspection after the run (as Excel stays open for the user).
//
// The clock stands at Monday 7 December 2026, 14:20, so a fresh dialog offers 30 November to
// 7 December.
class ExportHostTest : public AddinHostTest {
 protected:
  void SetUp() override;

  // The mailbox, before start(): the settings item's body, and Times in the calendar.
  void setTagList(const std::string& body);
  Ref<sim::outlook::AppointmentItem> addTime(const std::string& subject, Date start,
                                             const std::string& categories = "Project",
                                             int minutes = 60);
  // Loads the add-in and opens an explorer on the calendar.
  void start();

  // The dialog, opened from the explorer bar's "Export Times" button.
  Ref<Object> openDialog();
  Ref<Object> dialog();
  Ref<Object> control(const std::string& name) { return dialog()->getObject(name); }
  void check(const std::string& box, bool on = true);
  void pick(const std::string& picker, Date day);
  void pressExport();
  // openDialog, then the boxes checked, then Export.
  void exportWith(std::initializer_list<const char*> boxes = {});

  // Excel: every application the add-in created, in order; a hook sees each one first.
  std::function<void(sim::ExcelApplication&)> onExcelCreated;
  const std::vector<Ref<sim::ExcelApplication>>& excels() const { return excels_; }
  sim::Workbook& workbook();  // the last Excel's first workbook
  sim::Worksheet& sheet(const std::string& name = "Quillhour");
  const sim::CellValue& cell(int row, int column);
  // The source of the workbook's first pivot cache; empty when it has none.
  std::string pivotSource();
  sim::ExcelOutput& excelOutput() { return *output_; }

  // What the user was told: each alert as "title: text".
  std::vector<std::string> alerts();
  // The log window's messages written by the export run.
  std::vector<std::string> exportLog();

 private:
  std::shared_ptr<sim::ExcelOutput> output_;
  std::vector<Ref<sim::ExcelApplication>> excels_;
  Ref<sim::outlook::Explorer> explorer_;
};

// A written date cell, for comparing with the cell a run wrote.
sim::CellValue dateCell(Date d);

}  // namespace qh::testing

namespace qh::sim {
// Readable failure messages for cells.
void PrintTo(const CellValue& v, std::ostream* os);
}  // namespace qh::sim
