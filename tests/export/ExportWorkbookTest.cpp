#include <algorithm>
#include <map>

#include "hosts/sim/excel/Chart.h"
#include "hosts/sim/excel/PivotField.h"
#include "hosts/sim/excel/PivotTable.h"
#include "tests/export/ExportHostTest.h"

namespace qh::testing {
namespace {

using sim::CellValue;

class ExportWorkbook : public ExportHostTest {
 protected:
  void SetUp() override {
    ExportHostTest::SetUp();
    setTagList("Project; Support");
    review = addTime("Review", Date::fromParts(2026, 12, 1, 9, 30, 0), "Project", 45);
    review->seedValue("Body", "Went through the list");
    addTime("Hotline", Date::fromParts(2026, 12, 2, 13, 0, 0), "Support", 90);
    addTime("Planning", Date::fromParts(2026, 12, 3, 8, 0, 0), "Project", 30);
    start();
  }

  Ref<sim::outlook::AppointmentItem> review;
};

TEST_F(ExportWorkbook, WritesOneRowPerTimeFromRowFourInHours) {
  exportWith();
  EXPECT_EQ(cell(4, 3), dateCell(Date::fromParts(2026, 12, 1, 9, 30, 0)));
  EXPECT_EQ(cell(4, 4), CellValue::ofText("Review"));
  EXPECT_EQ(cell(4, 5), CellValue::ofNumber(0.75));
  EXPECT_EQ(cell(4, 6), CellValue::ofText("Project"));
  EXPECT_TRUE(cell(4, 7).isEmpty()) << "no description asked for";
  EXPECT_EQ(cell(5, 3), dateCell(Date::fromParts(2026, 12, 2, 13, 0, 0)));
  EXPECT_EQ(cell(5, 5), CellValue::ofNumber(1.5));
  EXPECT_EQ(cell(6, 4), CellValue::ofText("Planning"));
  EXPECT_TRUE(cell(7, 3).isEmpty());
  EXPECT_EQ(cell(3, 3), CellValue::ofText("Date")) << "the template's headings stay";
  EXPECT_TRUE(sheet().columns().hidden(7)) << "the template hides the description column";
  EXPECT_TRUE(excels().back()->visible());
}

TEST_F(ExportWorkbook, WritesMinutesAsWholeNumbers) {
  exportWith({"CheckExportInMinutes"});
  EXPECT_EQ(cell(4, 5), CellValue::ofNumber(45));
  EXPECT_EQ(cell(5, 5), CellValue::ofNumber(90));
}

TEST_F(ExportWorkbook, WritesTheBodyAndShowsColumnGWhenAskedTo) {
  exportWith({"CheckDescription"});
  EXPECT_EQ(cell(4, 7), CellValue::ofText("Went through the list"));
  EXPECT_TRUE(cell(5, 7).isEmpty()) << "an empty body leaves the cell empty";
  EXPECT_FALSE(sheet().columns().hidden(7));
}

TEST_F(ExportWorkbook, WithoutTheDiagramTheWorkbookHasOnlyTheTemplatesSheets) {
  exportWith();
  EXPECT_EQ(workbook().sheetNames(), std::vector<std::string>{"Quillhour"});
  EXPECT_TRUE(workbook().pivotCaches().empty());
}

TEST_F(ExportWorkbook, BuildsThePivotTableAndTheChartOnTheRowsWritten) {
  exportWith({"CheckCreateDiagram"});
  ASSERT_EQ(workbook().pivotCaches().size(), 1u);
  EXPECT_EQ(pivotSource(), "Quillhour!R3C3:R6C6");
  // Where Location puts the chart sheet is Excel's business; the data sheet stays first.
  std::vector<std::string> names = workbook().sheetNames();
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0], "Quillhour");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Diagram", "Pivot Table", "Quillhour"}));

  sim::PivotTable* pivot = sheet("Pivot Table").findPivotTable("QuillhourPivot");
  ASSERT_NE(pivot, nullptr);
  EXPECT_FALSE(pivot->smallGrid());
  EXPECT_EQ(pivot->bodyArea().top, 3);
  EXPECT_EQ(pivot->bodyArea().left, 1);
  const auto orientation = [&](const char* field) {
    return pivot->findField(field)->get("Orientation").toInt32();
  };
  EXPECT_EQ(orientation("Date"), sim::kPageField);
  EXPECT_EQ(orientation("Time"), sim::kDataField);
  EXPECT_EQ(orientation("Tag"), sim::kRowField);

  auto* chart = dynamic_cast<sim::Chart*>(workbook().findSheet("Diagram"));
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->pivotTable(), pivot);
  EXPECT_EQ(workbook().activeSheet(), &sheet()) << "the data sheet is active at the end";
  EXPECT_TRUE(exportLog().empty()) << exportLog().front();
}

TEST_F(ExportWorkbook, SumsTheHoursPerTagInThePivotTable) {
  exportWith({"CheckCreateDiagram"});
  sim::Worksheet& pivotSheet = sheet("Pivot Table");
  std::map<std::string, double> hours;
  for (int row = 1; row < 20; ++row) {
    const CellValue& label = pivotSheet.cells().get(row, 1);
    if (label.kind == CellValue::Kind::Text)
      hours[label.text] = pivotSheet.cells().get(row, 2).number;
  }
  EXPECT_DOUBLE_EQ(hours["Project"], 1.25);
  EXPECT_DOUBLE_EQ(hours["Support"], 1.5);
  EXPECT_DOUBLE_EQ(hours["Grand Total"], 2.75);
}

TEST_F(ExportWorkbook, AMissingTemplateIsToldAndTheRowsGoToANewWorkbook) {
  onExcelCreated = [](sim::ExcelApplication& excel) {
    excel.workbooks().failOn("Add", "Cannot open the template.", sim::FaultMode::Once);
  };
  exportWith();
  const std::string folder = moduleDir();
  EXPECT_EQ(alerts(), std::vector<std::string>{"Export Error: Could not open template " + folder +
                                               "\\Quillhour.xlt. Exporting to new workbook."});
  EXPECT_EQ(exportLog(), std::vector<std::string>{"ExportButton_Click:Cannot open the template."});
  EXPECT_EQ(workbook().sheetNames(), std::vector<std::string>{"Sheet1"});
  sim::Worksheet& rows = *workbook().findWorksheet("Sheet1");
  EXPECT_EQ(rows.cells().get(4, 4), CellValue::ofText("Review"));
  EXPECT_TRUE(rows.cells().get(3, 3).isEmpty());
}

}  // namespace
}  // namespace qh::testing
