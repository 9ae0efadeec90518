#pragma once

#include <memory>

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {

class ExcelOutput;
class Workbook;
class Workbooks;
class Worksheet;

struct ExcelOptions {
  // Shared by every Excel the host creates; without one, workbooks are never written.
  std::shared_ptr<ExcelOutput> output;
};

// The simulated Excel.Application. Cells, Columns, Rows and Range reach the active sheet of
// the active workbook, as Excel's global members do. Excel has no screen here: when Visible
// becomes True, every open workbook is handed over by writing it to the output folder.
class ExcelApplication : public TableObject<ExcelApplication> {
 public:
  explicit ExcelApplication(ExcelOptions options);
  ~ExcelApplication() override;
  static const DispatchTable<ExcelApplication>& table();

  ExcelOutput& output() { return *options_.output; }
  Workbooks& workbooks() { return *workbooks_; }
  Workbook* activeWorkbook() const { return active_; }
  void setActiveWorkbook(Workbook* workbook) { active_ = workbook; }
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  int sheetsInNewWorkbook() const { return sheetsInNewWorkbook_; }

 private:
  Worksheet& activeWorksheet(const char* member) const;
  Variant forward(const char* member, CallKind kind, Args& args);
  Variant ofActiveWorkbook(const char* member, Args& args);

  ExcelOptions options_;
  Ref<Workbooks> workbooks_;
  Workbook* active_ = nullptr;
  bool visible_ = false;
  int sheetsInNewWorkbook_ = 1;
};

// The factory the simulated Outlook's CreateObject("Excel.Application") uses.
Ref<Object> makeExcelApplication(ExcelOptions options);

}  // namespace qh::sim
