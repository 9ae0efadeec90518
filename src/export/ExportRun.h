#pragma once

#include <string>

#include "automation/Int16.h"
#include "automation/Object.h"
#include "core/LoggedSteps.h"

namespace qh::exporting {

class ExportForm;

// One press of Export: Excel and the workbook, the Times of the range in start order less
// those the options exclude, one row and the marks per Time, the pivot table and chart, Excel
// handed to the user, and then the deletion pass. Every step that fails is logged under
// "ExportButton_Click:" and the run goes on.
class ExportRun {
 public:
  explicit ExportRun(ExportForm& form);
  ~ExportRun();

  void run();

 private:
  bool createExcel();
  void openWorkbook();
  bool chooseFolder();
  void selectTimes();
  bool skipped(Object& item);
  bool writeRow(Object& item);
  void writeMarks(Object& item);
  void deletionPass();
  void showDescriptionColumn();
  void buildPivotTable();
  void buildChart();
  void layoutChart();
  bool handOver();
  void finish();

  bool setCell(int column, const Variant& value);
  std::string filterDate(Date d, bool withTime) const;
  void alert(const std::string& text);

  ExportForm& form_;
  core::LoggedSteps steps_{"ExportButton_Click:"};
  Ref<Object> excel_;
  Ref<Object> workbook_;
  Ref<Object> dataSheet_;
  Ref<Object> folder_;
  Int16 row_{3};
  int exported_ = 0;
};

}  // namespace qh::exporting
