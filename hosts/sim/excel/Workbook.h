#pragma once

#include <map>
#include <string>
#include <vector>

#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/excel/CellStyle.h"
#include "hosts/sim/excel/WorkbookSnapshot.h"

namespace qh::sim {

namespace xls {
struct TemplateBook;
}

class Chart;
class ExcelApplication;
class PivotCache;
class Sheet;
class Worksheet;

// A workbook: its sheets in tab order, the active sheet, its pivot caches and the cell styles
// its sheets use (style 0 being the default). It owns its sheets and caches; each keeps a
// plain pointer back, cleared when the workbook ends.
class Workbook : public TableObject<Workbook> {
 public:
  Workbook(ExcelApplication* application, std::string name);
  ~Workbook() override;
  static const DispatchTable<Workbook>& table();

  // A workbook made from a template's sheets, cells, styles, columns, rows, sheet settings and
  // active sheet.
  static Ref<Workbook> fromTemplate(ExcelApplication* application, std::string name,
                                    const xls::TemplateBook& book);
  // A workbook of `worksheets` empty sheets named Sheet1, Sheet2, ...
  static Ref<Workbook> blank(ExcelApplication* application, std::string name, int worksheets);

  const std::string& name() const { return name_; }
  ExcelApplication* application() const { return application_; }
  void detach() { application_ = nullptr; }

  std::size_t sheetCount() const { return sheets_.size(); }
  Sheet& sheetAt(std::size_t index) const { return *sheets_.at(index); }
  Sheet* findSheet(const std::string& name) const;
  Worksheet* findWorksheet(const std::string& name) const;
  std::size_t indexOf(const Sheet& sheet) const;
  Sheet* activeSheet() const { return active_; }
  std::vector<std::string> sheetNames() const;

  // Makes the sheet the active one, and this workbook the application's active workbook.
  void activate(Sheet& sheet);
  Ref<Worksheet> addWorksheet(std::size_t index);
  Ref<Chart> addChart(std::size_t index);
  // Moves a sheet so that it stands before the sheet now at `index` (or last).
  void moveSheet(Sheet& sheet, std::size_t index);
  // Where Before/After arguments put a sheet: before `before`, after `after`, or, with
  // neither, before the active sheet. A sheet of another workbook raises "<method> method
  // of <className> class failed".
  std::size_t insertionIndex(const Variant& before, const Variant& after, const char* method,
                             const char* className) const;
  // The next free default name: "Sheet4", "Chart1", "PivotTable1".
  std::string newSheetName(const std::string& prefix);
  std::string newPivotTableName();

  // The index of the style, added when the workbook has none like it.
  int addStyle(const CellStyle& style);
  const std::vector<CellStyle>& styles() const { return styles_; }

  Ref<PivotCache> addPivotCache(Ref<PivotCache> cache);
  const std::vector<Ref<PivotCache>>& pivotCaches() const { return caches_; }

  WorkbookSnapshot snapshot() const;

 private:
  void insertSheet(Ref<Sheet> sheet, std::size_t index);
  bool pivotTableNameTaken(const std::string& name) const;

  ExcelApplication* application_;
  std::string name_;
  std::vector<Ref<Sheet>> sheets_;
  Sheet* active_ = nullptr;
  std::vector<Ref<PivotCache>> caches_;
  std::map<std::string, int> nameCounters_;
  std::vector<CellStyle> styles_{CellStyle{}};
};

}  // namespace qh::sim
