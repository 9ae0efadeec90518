#include "apps/quillhour/WorkbookSummary.h"

#include <map>

#include "hosts/sim/excel/CellStore.h"

namespace qh::app {
namespace {

constexpr int kFirstTimeRow = 4;
constexpr int kDurationColumn = 5;  // E
constexpr int kTagColumn = 6;       // F

const sim::SheetSnapshot* dataSheet(const sim::WorkbookSnapshot& workbook) {
  const sim::SheetSnapshot* first = nullptr;
  for (const sim::SheetSnapshot& sheet : workbook.sheets) {
    if (sheet.kind != sim::SheetSnapshot::Kind::Worksheet || !sheet.cells) continue;
    if (sheet.name == "Quillhour") return &sheet;
    if (!first) first = &sheet;
  }
  return first;
}

}  // namespace

WorkbookSummary summarize(const sim::WorkbookSnapshot& workbook) {
  WorkbookSummary summary;
  const sim::SheetSnapshot* sheet = dataSheet(workbook);
  if (!sheet) return summary;
  struct Row {
    double duration = 0;
    std::string tag;
  };
  std::map<int, Row> rows;
  sheet->cells->forEach([&](int row, int column, const sim::CellValue& value) {
    if (row < kFirstTimeRow || column < 3 || column > 7) return;
    Row& r = rows[row];
    if (column == kDurationColumn && value.isNumeric()) r.duration = value.number;
    if (column == kTagColumn) r.tag = value.displayText();
  });
  std::map<std::string, WorkbookSummary::TagTotal> tags;
  for (const auto& [number, row] : rows) {
    ++summary.times;
    summary.duration += row.duration;
    WorkbookSummary::TagTotal& total = tags[row.tag];
    total.tag = row.tag;
    ++total.times;
    total.duration += row.duration;
  }
  for (auto& [tag, total] : tags) summary.perTag.push_back(std::move(total));
  return summary;
}

void SummarizingWorkbookWriter::write(const sim::WorkbookSnapshot& workbook,
                                      const std::filesystem::path& path) {
  writer_->write(workbook, path);
  WorkbookSummary summary = summarize(workbook);
  summary.path = path;
  ledger_->push_back(std::move(summary));
}

}  // namespace qh::app
