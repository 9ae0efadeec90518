#include "tests/export/ExportHostTest.h"

#include <ostream>

#include "hosts/sim/excel/PivotCache.h"
#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/CommandBarButton.h"
#include "hosts/sim/office/CommandBarControls.h"
#include "hosts/sim/office/CommandBars.h"

namespace qh::testing {

using sim::outlook::AppointmentItem;

void ExportHostTest::SetUp() {
  AddinHostTest::SetUp();
  output_ = std::make_shared<sim::ExcelOutput>(outputDir());
  outlook().registerCreatable("Excel.Application", [this] {
    Ref<Object> made = sim::makeExcelApplication(sim::ExcelOptions{output_});
    Ref<sim::ExcelApplication> excel(static_cast<sim::ExcelApplication*>(made.get()));
    excels_.push_back(excel);
    if (onExcelCreated) onExcelCreated(*excel);
    return made;
  });
}

void ExportHostTest::setTagList(const std::string& body) {
  AppointmentItem::Fields f;
  f.subject = "Quillhour_Settings1_";
  f.start = Date::fromParts(2099, 1, 1);
  f.body = body;
  outlook().addAppointment(calendar(), f);
}

Ref<AppointmentItem> ExportHostTest::addTime(const std::string& subject, Date start,
                                             const std::string& categories, int minutes) {
  AppointmentItem::Fields f;
  f.subject = subject;
  f.start = start;
  f.categories = categories;
  f.durationMinutes = minutes;
  return outlook().addAppointment(calendar(), f);
}

void ExportHostTest::start() {
  explorer_ = outlook().openExplorer(calendar());
  startAddin();
}

Ref<Object> ExportHostTest::openDialog() {
  auto* bars = dynamic_cast<sim::CommandBars*>(explorer_->commandBars().get());
  if (!bars) throw std::logic_error("the explorer has no command bars");
  Ref<sim::CommandBar> bar = bars->find("Quillhour");
  if (!bar) throw std::logic_error("the explorer has no Quillhour bar");
  bar->controls().button("Export Times")->click();
  return dialog();
}

Ref<Object> ExportHostTest::dialog() {
  Ref<Object> form = system().forms().find("Quillhour Export");
  if (!form) throw std::logic_error("the export dialog is not loaded");
  return form;
}

void ExportHostTest::check(const std::string& box, bool on) {
  control(box)->put("Value", on ? 1 : 0);
}

void ExportHostTest::pick(const std::string& picker, Date day) {
  control(picker)->call("Pick", day);
}

void ExportHostTest::pressExport() {
  control("ExportButton")->call("Click");
}

void ExportHostTest::exportWith(std::initializer_list<const char*> boxes) {
  openDialog();
  for (const char* box : boxes) check(box);
  pressExport();
}

sim::Workbook& ExportHostTest::workbook() {
  if (excels_.empty() || excels_.back()->workbooks().list().empty())
    throw std::logic_error("no workbook was made");
  return *excels_.back()->workbooks().list().front();
}

sim::Worksheet& ExportHostTest::sheet(const std::string& name) {
  sim::Worksheet* found = workbook().findWorksheet(name);
  if (!found) throw std::logic_error("no worksheet " + name);
  return *found;
}

const sim::CellValue& ExportHostTest::cell(int row, int column) {
  return sheet().cells().get(row, column);
}

std::string ExportHostTest::pivotSource() {
  const auto& caches = workbook().pivotCaches();
  return caches.empty() ? std::string() : caches.front()->get("SourceData").toString();
}

std::vector<std::string> ExportHostTest::alerts() {
  std::vector<std::string> out;
  for (const auto& alert : outlook().assistant().alerts())
    out.push_back(alert.title + ": " + alert.text);
  return out;
}

std::vector<std::string> ExportHostTest::exportLog() {
  std::vector<std::string> out;
  for (const std::string& m : logMessages())
    if (m.rfind("ExportButton_Click:", 0) == 0) out.push_back(m);
  return out;
}

sim::CellValue dateCell(Date d) {
  return sim::CellValue::ofDate(d.serial());
}

}  // namespace qh::testing

namespace qh::sim {

void PrintTo(const CellValue& v, std::ostream* os) {
  static const char* const kKinds[] = {"Empty", "Number", "Text", "Boolean", "Date", "Formula"};
  *os << kKinds[static_cast<int>(v.kind)] << "(";
  if (v.kind == CellValue::Kind::Text || v.kind == CellValue::Kind::Formula)
    *os << '"' << v.text << '"' << (v.quotePrefix ? " with '" : "");
  else if (v.kind != CellValue::Kind::Empty)
    *os << v.number;
  *os << ")";
}

}  // namespace qh::sim
