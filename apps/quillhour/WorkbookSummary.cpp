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
  // The cells come row by row, so each row is complete when the next one starts.
  std::map<std::string, WorkbookSummary::TagTotal> tags;
  int current = 0;
  double rowDuration = 0;
  std::string rowTag;
  auto endRow = [&] {
    if (current == 0) return;
    ++summary.times;
    summary.duration += rowDuration;
    WorkbookSummary::TagTotal& total = tags[rowTag];
    total.tag = rowTag;
    ++total.times;
    total.duration += rowDuration;
  };
  sheet->cells->forEach([&](int row, int column, const sim::CellValue& value) {
    if (row < kFirstTimeRow || column < 3 || column > 7) return;
    if (row != current) {
      endRow();
      current = row;
      rowDuration = 0;
      rowTag.clear();
    }
    if (column == kDurationColumn && value.isNumeric()) rowDuration = value.number;
    if (column == kTagColumn) rowTag = value.displayText();
  });
  endRow();
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
