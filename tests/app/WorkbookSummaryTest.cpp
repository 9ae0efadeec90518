// The report of an export, read from the workbook Excel hands over.
#include "apps/quillhour/WorkbookSummary.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "apps/quillhour/ExportReport.h"
#include "hosts/sim/excel/CellStore.h"

namespace qh::app {
namespace {

using sim::CellValue;
using ::testing::ElementsAre;

struct Row {
  const char* subject;
  double duration;
  const char* tag;
};

class WorkbookSummaryTest : public ::testing::Test {
 protected:
  // A data sheet as the export writes it: headings in row 3, Times from row 4.
  sim::WorkbookSnapshot workbook(const char* sheetName, std::vector<Row> rows,
                                 bool withPivotSheet = true) {
    cells = sim::CellStore();
    cells.set(3, 3, CellValue::ofText("Date"));
    cells.set(3, 5, CellValue::ofText("Time"));
    cells.set(3, 6, CellValue::ofText("Tag"));
    int r = 4;
    for (const Row& row : rows) {
      cells.set(r, 3, CellValue::ofDate(46360.375));
      cells.set(r, 4, CellValue::ofText(row.subject));
      cells.set(r, 5, CellValue::ofNumber(row.duration));
      if (*row.tag) cells.set(r, 6, CellValue::ofText(row.tag));
      ++r;
    }
    other.set(1, 1, CellValue::ofNumber(99));
    sim::WorkbookSnapshot book;
    book.sheets.push_back(sheet(sim::SheetSnapshot::Kind::Chart, "Diagram", nullptr));
    if (withPivotSheet)
      book.sheets.push_back(sheet(sim::SheetSnapshot::Kind::Worksheet, "Pivot Table", &other));
    book.sheets.push_back(sheet(sim::SheetSnapshot::Kind::Worksheet, sheetName, &cells));
    return book;
  }
  static sim::SheetSnapshot sheet(sim::SheetSnapshot::Kind kind, const char* name,
                                  const sim::CellStore* store) {
    sim::SheetSnapshot s;
    s.kind = kind;
    s.name = name;
    s.cells = store;
    return s;
  }
  std::string report(const WorkbookSummary& summary, bool inMinutes) {
    std::ostringstream out, err;
    Output output(out, err);
    printExport(output, summary, inMinutes);
    return out.str();
  }

  sim::CellStore cells;
  sim::CellStore other;
};

TEST_F(WorkbookSummaryTest, AddsUpTheDataSheetsDurationsInAllAndPerTag) {
  const WorkbookSummary s = summarize(workbook(
      "Quillhour", {{"a", 1.5, "Support"}, {"b", 2, "Atlas"}, {"c", 0.25, ""}, {"d", 3, "Atlas"}}));
  EXPECT_EQ(s.times, 4);
  EXPECT_DOUBLE_EQ(s.duration, 6.75);
  ASSERT_EQ(s.perTag.size(), 3u);
  EXPECT_EQ(s.perTag[0].tag, "");
  EXPECT_EQ(s.perTag[1].tag, "Atlas");
  EXPECT_EQ(s.perTag[1].times, 2);
  EXPECT_DOUBLE_EQ(s.perTag[1].duration, 5);
  EXPECT_EQ(s.perTag[2].tag, "Support");
}

TEST_F(WorkbookSummaryTest, WithoutTheTemplatesSheetTheFirstWorksheetHoldsTheRows) {
  const WorkbookSummary s = summarize(workbook("Sheet1", {{"a", 1, "Atlas"}}, false));
  EXPECT_EQ(s.times, 1);
  EXPECT_DOUBLE_EQ(s.duration, 1);
  const WorkbookSummary empty = summarize(workbook("Quillhour", {}));
  EXPECT_EQ(empty.times, 0);
  EXPECT_TRUE(empty.perTag.empty());
}

TEST_F(WorkbookSummaryTest, TheReportAlignsTagsAndCountsInHours) {
  WorkbookSummary s =
      summarize(workbook("Quillhour", {{"a", 90, "Support"}, {"b", 30, "Atlas"}, {"c", 60, ""}}));
  s.path = "/home/me/Quillhour1.xlsx";
  EXPECT_EQ(report(s, true),
            "exported 3 Times, 3 hours\n"
            "  (no tag)  1 hour (1 Time)\n"
            "  Atlas     0.5 hours (1 Time)\n"
            "  Support   1.5 hours (1 Time)\n"
            "workbook: /home/me/Quillhour1.xlsx\n");
  EXPECT_THAT(report(s, false), ::testing::StartsWith("exported 3 Times, 180 hours\n"));
}

// A writer that fails, as a full disk would.
class FailingWriter : public sim::WorkbookFileWriter {
 public:
  void write(const sim::WorkbookSnapshot&, const std::filesystem::path&) override {
    throw std::runtime_error("disk full");
  }
  const char* extension() const override { return ".xlsx"; }
};

TEST_F(WorkbookSummaryTest, OnlyWrittenWorkbooksAreRecorded) {
  auto ledger = std::make_shared<WorkbookLedger>();
  SummarizingWorkbookWriter writer(std::make_unique<FailingWriter>(), ledger);
  EXPECT_EQ(std::string(writer.extension()), ".xlsx");
  EXPECT_THROW(writer.write(workbook("Quillhour", {{"a", 1, "A"}}), "/tmp/x.xlsx"),
               std::runtime_error);
  EXPECT_TRUE(ledger->empty());
}

}  // namespace
}  // namespace qh::app
