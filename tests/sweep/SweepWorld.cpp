#include "tests/sweep/SweepWorld.h"

#include <fstream>

#include "hosts/sim/excel/CellStore.h"
#include "hosts/sim/excel/ExcelOutput.h"
#include "hosts/sim/excel/Workbook.h"
#include "hosts/sim/excel/Workbooks.h"
#include "hosts/sim/mailbox/CalendarStore.h"
#include "tests/support/AddinHostTest.h"

namespace qh::testing {
namespace {

constexpr const char* kCalendar =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Quillhour//sweep//EN\r\n"
    "BEGIN:VEVENT\r\nUID:settings\r\nDTSTART:20990101T000000\r\nDURATION:PT30M\r\n"
    "SUMMARY:Quillhour_Settings1_\r\nDESCRIPTION:Atlas\\; Beacon\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:t1\r\nDTSTART:20261130T090000\r\nDURATION:PT1H\r\n"
    "SUMMARY:Atlas: design\r\nCATEGORIES:Atlas\r\nDESCRIPTION:notes\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:t2\r\nDTSTART:20261201T100000\r\nDURATION:PT1H30M\r\n"
    "SUMMARY:Beacon: review\r\nCATEGORIES:Beacon\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:t3\r\nDTSTART:20261202T130000\r\nDURATION:PT30M\r\n"
    "SUMMARY:Untagged call\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:t4\r\nDTSTART:20261204T080000\r\nDURATION:PT45M\r\n"
    "SUMMARY:Atlas: tests\r\nCATEGORIES:Atlas\r\nEND:VEVENT\r\n"
    "END:VCALENDAR\r\n";

// Keeps the rows of each workbook Excel hands over, and writes no file.
class RowKeeper : public sim::WorkbookFileWriter {
 public:
  explicit RowKeeper(std::shared_ptr<std::vector<SheetRow>> rows) : rows_(std::move(rows)) {}
  void write(const sim::WorkbookSnapshot& workbook, const std::filesystem::path&) override {
    for (SheetRow& row : rowsOf(workbook)) rows_->push_back(std::move(row));
  }
  const char* extension() const override { return ".xlsx"; }

 private:
  std::shared_ptr<std::vector<SheetRow>> rows_;
};

}  // namespace

std::vector<SheetRow> rowsOf(const sim::WorkbookSnapshot& workbook) {
  std::vector<SheetRow> rows;
  for (const sim::SheetSnapshot& sheet : workbook.sheets) {
    if (sheet.kind != sim::SheetSnapshot::Kind::Worksheet || !sheet.cells) continue;
    int current = 0;
    sheet.cells->forEachIn(sim::CellArea{4, 3, 32767, 7},
                           [&](int row, int column, const sim::CellValue& value) {
                             if (row != current) {
                               rows.emplace_back();
                               current = row;
                             }
                             SheetRow& r = rows.back();
                             if (column == 3) r.start = value.number;
                             if (column == 4) r.subject = value.text;
                             if (column == 5) r.hasDuration = !value.isEmpty();
                             if (column == 6) r.tag = value.text;
                             if (column == 7) r.body = value.text;
                           });
  }
  return rows;
}

SweepWorld::SweepWorld(const std::filesystem::path& folder)
    : calendarFile_(folder / "calendar.ics"), handed_(std::make_shared<std::vector<SheetRow>>()) {
  std::filesystem::create_directories(folder);
  std::ofstream(calendarFile_, std::ios::binary) << kCalendar;
  sim::mailbox::CalendarOptions calendarOptions;
  calendarOptions.zoneName = "Europe/Berlin";
  calendarOptions.clock = [] { return std::time_t{1796652000}; };
  sim::mailbox::CalendarStore store(calendarFile_.string(), std::move(calendarOptions));

  sim::SimHost::Options options;
  options.moduleDir = moduleDir();
  options.outputDir = folder.string();
  options.workbookWriter = [rows = handed_] { return std::make_unique<RowKeeper>(rows); };
  host_ = std::make_unique<sim::SimHost>(options);
  host_->system().setNow(Date::fromParts(2026, 12, 7, 14, 20, 0));
  auto output = std::make_shared<sim::ExcelOutput>(folder, std::make_unique<RowKeeper>(handed_));
  outlook().registerCreatable("Excel.Application", [this, output] {
    Ref<Object> made = sim::makeExcelApplication(sim::ExcelOptions{output});
    excels_.emplace_back(static_cast<sim::ExcelApplication*>(made.get()));
    return made;
  });
  mailbox_ = std::make_unique<sim::MailboxBinding>(std::move(store), outlook().calendar());
  for (const Ref<sim::outlook::Item>& item : outlook().calendar().items())
    if (item->value("Subject").toString() != "Quillhour_Settings1_")
      times_.emplace_back(static_cast<sim::outlook::AppointmentItem*>(item.get()));
  explorer_ = outlook().openExplorer(outlook().calendar());
  if (!host_->install()) throw std::runtime_error("the add-in could not be installed");
}

SweepWorld::~SweepWorld() {
  letGo();
  mailbox_.reset();
  host_.reset();
}

std::vector<SheetRow> SweepWorld::allRows() const {
  std::vector<SheetRow> rows;
  for (const auto& excel : excels_)
    for (const auto& book : excel->workbooks().list())
      for (SheetRow& row : rowsOf(book->snapshot())) rows.push_back(std::move(row));
  return rows;
}

void SweepWorld::letGo() {
  excels_.clear();
  explorer_.reset();
}

}  // namespace qh::testing
