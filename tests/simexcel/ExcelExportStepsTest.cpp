// The pivot table and chart steps of an export on a workbook made from the template: the
// sheets Excel adds and their order, the computed table on its sheet, and the pivot chart.
#include <gtest/gtest.h>

#include "hosts/sim/excel/Chart.h"
#include "hosts/sim/excel/ExcelApplication.h"
#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/PivotTable.h"
#include "hosts/sim/excel/Workbook.h"
#include "hosts/sim/excel/Worksheet.h"
#include "tests/simexcel/ExcelTestSupport.h"

namespace qh::sim {
namespace {

class ExcelExportSteps : public ::testing::Test {
 protected:
  void SetUp() override {
    book = excel->getObject("Workbooks")->call("Add", templateArgument()).toObject();
    workbook = dynamic_cast<Workbook*>(book.get());
    ASSERT_NE(workbook, nullptr);
  }
  std::string text(const char* sheet, int row, int column) {
    return book->getObject("Sheets", sheet)
        ->getObject("Cells", row, column)
        ->get("Value")
        .toString();
  }
  std::vector<std::string> sheetOrder() const { return workbook->sheetNames(); }

  Ref<Object> excel = makeExcelApplication({});
  Ref<Object> book;
  Workbook* workbook = nullptr;
  const std::vector<TimeRow> rows{
      {Date::fromParts(2026, 11, 30, 9, 0), "Design", 1.5, "Project"},
      {Date::fromParts(2026, 11, 30, 11, 0), "Standup", 0.25, "Internal"},
      {Date::fromParts(2026, 12, 1, 9, 0), "Review", 0.75, "Project"}};
};

TEST_F(ExcelExportSteps, PivotSheetLandsAfterTheDataSheetAndChartBetweenThem) {
  const int last = writeRows(*excel, rows);
  Ref<Object> dataSheet = book->getObject("ActiveSheet");
  Ref<Object> cache =
      book->getObject("PivotCaches")->call("Add", 1, "'Quillhour'!R3C3:R6C6").toObject();
  ASSERT_EQ(last, 6);
  cache->call("CreatePivotTable", "", "QuillhourPivot");
  // Excel puts the table on a new sheet before the active one and activates it.
  EXPECT_EQ(sheetOrder(), (std::vector<std::string>{"Sheet1", "Quillhour"}));
  Ref<Object> pivotSheet = book->getObject("ActiveSheet");
  EXPECT_EQ(pivotSheet->get("Name"), Variant("Sheet1"));
  pivotSheet->put("Name", "Pivot Table");
  pivotSheet->call("Move", Variant::missing(), dataSheet);
  EXPECT_EQ(sheetOrder(), (std::vector<std::string>{"Quillhour", "Pivot Table"}));
  EXPECT_EQ(book->getObject("ActiveSheet")->get("Name"), Variant("Pivot Table"));

  book->getObject("Charts")->call("Add", Variant::missing(), dataSheet);
  EXPECT_EQ(sheetOrder(), (std::vector<std::string>{"Quillhour", "Chart1", "Pivot Table"}));
  EXPECT_EQ(book->getObject("ActiveChart")->get("Name"), Variant("Chart1"));
}

TEST_F(ExcelExportSteps, WholeSequenceLeavesTableChartAndDataSheetActive) {
  buildPivotAndChart(*excel, *book, writeRows(*excel, rows));

  EXPECT_EQ(sheetOrder(), (std::vector<std::string>{"Quillhour", "Diagram", "Pivot Table"}));
  EXPECT_EQ(excel->getObject("ActiveSheet")->get("Name"), Variant("Quillhour"));
  EXPECT_TRUE(excel->get("ActiveChart").toObject() == nullptr);

  // The table at A3 with "Date" as page field above it, sums of Time per Tag.
  EXPECT_EQ(text("Pivot Table", 1, 1), "Date");
  EXPECT_EQ(text("Pivot Table", 1, 2), "(All)");
  EXPECT_EQ(text("Pivot Table", 3, 1), "Tag");
  EXPECT_EQ(text("Pivot Table", 3, 2), "Sum of Time");
  EXPECT_EQ(text("Pivot Table", 4, 1), "Internal");
  EXPECT_EQ(text("Pivot Table", 4, 2), "0.25");
  EXPECT_EQ(text("Pivot Table", 5, 1), "Project");
  EXPECT_EQ(text("Pivot Table", 5, 2), "2.25");
  EXPECT_EQ(text("Pivot Table", 6, 1), "Grand Total");
  EXPECT_EQ(text("Pivot Table", 6, 2), "2.5");

  Ref<Object> table =
      book->getObject("Sheets", "Pivot Table")->getObject("PivotTables", "QuillhourPivot");
  EXPECT_EQ(table->get("SmallGrid"), Variant(false));
  EXPECT_EQ(table->getObject("TableRange1")->get("Address"), Variant("$A$3:$B$6"));
  EXPECT_EQ(table->getObject("TableRange2")->get("Address"), Variant("$A$1:$B$6"));
  for (auto [field, orientation] : {std::pair{"Date", 3}, {"Time", 4}, {"Tag", 1}, {"Subject", 0}})
    EXPECT_EQ(table->getObject("PivotFields", field)->get("Orientation"), Variant(orientation))
        << field;

  auto* chart = dynamic_cast<Chart*>(&workbook->sheetAt(1));
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->pivotTable(), dynamic_cast<PivotTable*>(table.get()));
}

TEST_F(ExcelExportSteps, PageFieldSelectionRecomputesTheTable) {
  buildPivotAndChart(*excel, *book, writeRows(*excel, rows));
  Ref<Object> date = book->getObject("Sheets", "Pivot Table")
                         ->getObject("PivotTables", 1)
                         ->getObject("PivotFields", "Date");
  const std::string day = Variant(Date::fromParts(2026, 12, 1, 9, 0)).toString();
  date->put("CurrentPage", day);
  EXPECT_EQ(text("Pivot Table", 1, 2), day);
  EXPECT_EQ(text("Pivot Table", 4, 1), "Project");
  EXPECT_EQ(text("Pivot Table", 4, 2), "0.75");
  EXPECT_EQ(text("Pivot Table", 5, 1), "Grand Total");
  EXPECT_EQ(text("Pivot Table", 6, 1), "");  // the old rows are gone
  EXPECT_EQ(errorOf([&] { date->put("CurrentPage", "no such day"); }).description(),
            "Unable to set the CurrentPage property of the PivotField class");
}

TEST_F(ExcelExportSteps, NoRowsGivesATableOfTheHeadingsAlone) {
  buildPivotAndChart(*excel, *book, writeRows(*excel, {}));
  EXPECT_EQ(sheetOrder(), (std::vector<std::string>{"Quillhour", "Diagram", "Pivot Table"}));
  EXPECT_EQ(text("Pivot Table", 3, 2), "Sum of Time");
  EXPECT_EQ(text("Pivot Table", 4, 1), "Grand Total");
}

TEST_F(ExcelExportSteps, SourceWithoutItsSheetOrHeadingsIsRefused) {
  Ref<Object> caches = book->getObject("PivotCaches");
  Ref<Object> noSheet = caches->call("Add", 1, "'Times'!R3C3:R6C6").toObject();
  EXPECT_EQ(errorOf([&] { noSheet->call("CreatePivotTable", "", "P"); }).description(),
            "Reference isn't valid.");
  Ref<Object> noHeadings = caches->call("Add", 1, "'Quillhour'!R4C3:R6C6").toObject();
  const Error e = errorOf([&] { noHeadings->call("CreatePivotTable", "", "P"); });
  EXPECT_EQ(e.code(), kExcelErrorCode);
  EXPECT_EQ(e.description().rfind("The PivotTable field name is not valid.", 0), 0u);
  EXPECT_EQ(sheetOrder(), (std::vector<std::string>{"Quillhour"}));  // nothing was added
}

TEST_F(ExcelExportSteps, FieldPositionsAndNamesAreChecked) {
  writeRows(*excel, rows);
  Ref<Object> table = book->getObject("PivotCaches")
                          ->call("Add", 1, "'Quillhour'!R3C3:R6C6")
                          .toObject()
                          ->call("CreatePivotTable", "", Variant::missing())
                          .toObject();
  EXPECT_EQ(table->get("Name"), Variant("PivotTable1"));
  Ref<Object> tag = table->getObject("PivotFields", "Tag");
  Ref<Object> date = table->getObject("PivotFields", "Date");
  tag->put("Orientation", 1);
  date->put("Orientation", 1);
  EXPECT_EQ(date->get("Position"), Variant(2));
  date->put("Position", 1);
  EXPECT_EQ(tag->get("Position"), Variant(2));
  EXPECT_EQ(errorOf([&] { tag->put("Position", 3); }).description(),
            "Unable to set the Position property of the PivotField class");
  EXPECT_EQ(errorOf([&] { table->getObject("PivotFields", "Duration"); }).description(),
            "Unable to get the PivotFields property of the PivotTable class");
  Ref<Object> sheet = excel->getObject("ActiveSheet");
  EXPECT_EQ(errorOf([&] { sheet->getObject("PivotTables", "Other"); }).description(),
            "Unable to get the PivotTables property of the Worksheet class");
}

}  // namespace
}  // namespace qh::sim
