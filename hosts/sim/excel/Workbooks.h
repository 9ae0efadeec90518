#pragma once

#include <vector>

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {

class ExcelApplication;
class Workbook;

// Application.Workbooks: the open workbooks. Add(Template) opens a new workbook from a
// template file, named after the file (Quillhour1, Quillhour2, ...); without a template, a
// blank workbook (Book1, ...). A missing or unreadable template raises error 1004 with the
// text Excel shows.
class Workbooks : public TableObject<Workbooks> {
 public:
  explicit Workbooks(ExcelApplication* application) : application_(application) {}
  ~Workbooks() override;
  static const DispatchTable<Workbooks>& table();

  // The application ended: neither this collection nor its workbooks may reach it any more.
  void detach();
  const std::vector<Ref<Workbook>>& list() const { return list_; }
  Ref<Workbook> add(const Variant& templateArg);
  void closeAll();

 private:
  Ref<Workbook> fromTemplateFile(const std::string& path);
  Variant item(Args& args);

  ExcelApplication* application_;
  std::vector<Ref<Workbook>> list_;
};

}  // namespace qh::sim
