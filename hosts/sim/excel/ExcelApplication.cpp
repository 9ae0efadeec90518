#include "hosts/sim/excel/ExcelApplication.h"

#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/ExcelOutput.h"
#include "hosts/sim/excel/Workbook.h"
#include "hosts/sim/excel/Workbooks.h"
#include "hosts/sim/excel/Worksheet.h"

namespace qh::sim {

ExcelApplication::ExcelApplication(ExcelOptions options)
    : options_(std::move(options)), workbooks_(makeRef<Workbooks>(this)) {
  if (!options_.output) options_.output = std::make_shared<ExcelOutput>(std::filesystem::path());
}

ExcelApplication::~ExcelApplication() {
  workbooks_->detach();
}

const DispatchTable<ExcelApplication>& ExcelApplication::table() {
  static const DispatchTable<ExcelApplication> t = [] {
    using App = ExcelApplication;
    DispatchTable<App> d;
    d.get("Workbooks", [](App& x, Args& a) -> Variant {
      Ref<Object> books(x.workbooks_);
      if (a.empty()) return books;
      return books->invoke("Item", CallKind::Get, a);
    });
    d.get("ActiveWorkbook", [](App& x, Args&) -> Variant { return Ref<Object>(x.active_); });
    d.get("ActiveSheet", [](App& x, Args&) -> Variant {
      return x.active_ ? Ref<Object>(x.active_->activeSheet()) : Ref<Object>();
    });
    d.get("ActiveChart", [](App& x, Args& a) { return x.ofActiveWorkbook("ActiveChart", a); });
    d.get("Sheets", [](App& x, Args& a) { return x.ofActiveWorkbook("Sheets", a); });
    d.get("Worksheets", [](App& x, Args& a) { return x.ofActiveWorkbook("Worksheets", a); });
    d.get("Charts", [](App& x, Args& a) { return x.ofActiveWorkbook("Charts", a); });
    d.get("Cells", [](App& x, Args& a) { return x.forward("Cells", CallKind::Get, a); });
    d.put("Cells", [](App& x, Args& a) { return x.forward("Cells", CallKind::Put, a); });
    d.get("Columns", [](App& x, Args& a) { return x.forward("Columns", CallKind::Get, a); });
    d.get("Rows", [](App& x, Args& a) { return x.forward("Rows", CallKind::Get, a); });
    d.get("Range", [](App& x, Args& a) { return x.forward("Range", CallKind::Get, a); });
    d.get("Visible", [](App& x, Args&) -> Variant { return x.visible_; });
    d.put("Visible", [](App& x, Args& a) -> Variant {
      x.setVisible(putValue(a).toBool());
      return {};
    });
    d.get("SheetsInNewWorkbook", [](App& x, Args&) -> Variant { return x.sheetsInNewWorkbook_; });
    d.put("SheetsInNewWorkbook", [](App& x, Args& a) -> Variant {
      const int n = putValue(a).toInt32();
      if (n < 1 || n > 255) throw unableToSet("SheetsInNewWorkbook", "Application");
      x.sheetsInNewWorkbook_ = n;
      return {};
    });
    d.get("Name", [](App&, Args&) -> Variant { return "Microsoft Excel"; });
    d.get("", [](App&, Args&) -> Variant { return "Microsoft Excel"; });
    d.get("Version", [](App&, Args&) -> Variant { return "16.0"; });
    d.method("Quit", [](App& x, Args&) -> Variant {
      x.workbooks_->closeAll();
      x.active_ = nullptr;
      return {};
    });
    return d;
  }();
  return t;
}

void ExcelApplication::setVisible(bool visible) {
  visible_ = visible;
  if (!visible) return;
  for (const auto& book : workbooks_->list()) options_.output->hand(book->snapshot());
}

Worksheet& ExcelApplication::activeWorksheet(const char* member) const {
  auto* sheet = active_ ? dynamic_cast<Worksheet*>(active_->activeSheet()) : nullptr;
  if (!sheet)
    throw excelError("Method '" + std::string(member) + "' of object '_Application' failed");
  return *sheet;
}

Variant ExcelApplication::forward(const char* member, CallKind kind, Args& args) {
  return activeWorksheet(member).invoke(member, kind, args);
}

Variant ExcelApplication::ofActiveWorkbook(const char* member, Args& args) {
  if (!active_) return Ref<Object>();
  return active_->invoke(member, CallKind::Get, args);
}

Ref<Object> makeExcelApplication(ExcelOptions options) {
  return makeRef<ExcelApplication>(std::move(options));
}

}  // namespace qh::sim
