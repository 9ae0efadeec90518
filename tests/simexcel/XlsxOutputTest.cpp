// The .xlsx file a handed-over workbook becomes, read back from disk: sheets in order and
// of the right kind, the rows as written, the pivot table's values and a chart over them.
#include <gtest/gtest.h>

#include "hosts/sim/excel/ExcelApplication.h"
#include "hosts/sim/excel/ExcelOutput.h"
#include "tests/simexcel/ExcelTestSupport.h"
#include "tests/simexcel/TempFolder.h"
#include "tests/simexcel/XlsxReader.h"

namespace qh::sim {
namespace {

class XlsxOutput : public ::testing::Test {
 protected:
  XlsxBook handOver() {
    excel->put("Visible", true);
    EXPECT_TRUE(output->failures().empty()) << output->failures().front();
    return readXlsx(output->writtenFiles().at(0));
  }

  TempFolder folder;
  std::shared_ptr<ExcelOutput> output = std::make_shared<ExcelOutput>(folder.path());
  Ref<Object> excel = makeExcelApplication({output});
  Ref<Object> book = excel->getObject("Workbooks")->call("Add", templateArgument()).toObject();
};

TEST_F(XlsxOutput, ExportWithDiagramWritesDataPivotAndChartSheets) {
  const int last =
      writeRows(*excel, {{Date::fromParts(2026, 11, 30, 9, 0), "Design", 1.5, "Project"},
                         {Date::fromParts(2026, 11, 30, 13, 0), "Mail", 0.5, "Internal"},
                         {Date::fromParts(2026, 12, 1, 8, 0), "Review", 0.75, "Project"}});
  buildPivotAndChart(*excel, *book, last);
  const XlsxBook file = handOver();
  EXPECT_EQ(output->writtenFiles().at(0), folder.path() / "Quillhour1.xlsx");

  ASSERT_EQ(file.sheets.size(), 3u);
  EXPECT_EQ(file.sheets[0].name, "Quillhour");
  EXPECT_EQ(file.sheets[1].name, "Diagram");
  EXPECT_EQ(file.sheets[2].name, "Pivot Table");
  EXPECT_FALSE(file.sheets[0].isChart);
  EXPECT_TRUE(file.sheets[1].isChart);
  EXPECT_EQ(file.activeTab, 0);

  const XlsxSheet& data = file.sheet("Quillhour");
  EXPECT_EQ(data.values.at("C3"), "Date");
  EXPECT_EQ(data.values.at("F3"), "Tag");
  EXPECT_EQ(data.values.at("D5"), "Mail");
  EXPECT_EQ(data.values.at("E6"), "0.75");
  EXPECT_EQ(data.values.at("F6"), "Project");
  EXPECT_DOUBLE_EQ(std::stod(data.values.at("C4")), Date::fromParts(2026, 11, 30, 9, 0).serial());
  EXPECT_EQ(data.hiddenColumns, std::set<int>{7});

  const XlsxSheet& pivot = file.sheet("Pivot Table");
  EXPECT_EQ(pivot.values.at("A1"), "Date");
  EXPECT_EQ(pivot.values.at("A3"), "Sum of Time");
  EXPECT_EQ(pivot.values.at("A5"), "Internal");
  EXPECT_EQ(pivot.values.at("B5"), "0.5");
  EXPECT_EQ(pivot.values.at("A6"), "Project");
  EXPECT_EQ(pivot.values.at("B6"), "2.25");
  EXPECT_EQ(pivot.values.at("B7"), "2.75");

  EXPECT_EQ(file.chartTypes, std::vector<std::string>{"c:barChart"});  // columns, in DrawingML
  EXPECT_EQ(file.chartReferences,
            (std::vector<std::string>{"'Pivot Table'!$A$5:$A$6", "'Pivot Table'!$B$5:$B$6"}));
}

TEST_F(XlsxOutput, DescriptionsShownFormulasKeptAndNoDiagram) {
  Args description{4, 7, "Went over the plan"}, formula{10, 5, "=SUM(E4:E9)"},
      text{11, 4, "'=not a formula"};
  for (Args* args : {&description, &formula, &text}) excel->invoke("Cells", CallKind::Put, *args);
  excel->getObject("Columns", "G:G")->getObject("EntireColumn")->put("Hidden", false);
  const XlsxBook file = handOver();

  ASSERT_EQ(file.sheets.size(), 1u);
  const XlsxSheet& data = file.sheets[0];
  EXPECT_TRUE(data.hiddenColumns.empty());
  EXPECT_EQ(data.values.at("G4"), "Went over the plan");
  EXPECT_EQ(data.formulas.at("E10"), "SUM(E4:E9)");
  EXPECT_EQ(data.values.at("D11"), "=not a formula");
  EXPECT_EQ(data.formulas.count("D11"), 0u);
  EXPECT_TRUE(file.chartReferences.empty());
}

TEST_F(XlsxOutput, ChartOnAPlainRangeAndAnEmptyChartAreWritten) {
  Args heading{10, 10, "Tag"}, hours{10, 11, "Hours"}, a{11, 10, "Alpha"}, b{12, 10, "Beta"},
      x{11, 11, 2.0}, y{12, 11, 3.5};
  for (Args* args : {&heading, &hours, &a, &b, &x, &y})
    excel->invoke("Cells", CallKind::Put, *args);
  Ref<Object> range = excel->getObject("Range", "J10:K12");
  book->getObject("Charts")->call("Add").toObject()->call("SetSourceData", range);
  book->getObject("Charts")->call("Add");  // no data at all
  const XlsxBook file = handOver();

  // Each new chart sheet goes before the sheet active at the time and becomes active.
  ASSERT_EQ(file.sheets.size(), 3u);
  EXPECT_EQ(file.sheets[0].name, "Chart2");
  EXPECT_EQ(file.sheets[1].name, "Chart1");
  EXPECT_TRUE(file.sheets[0].isChart && file.sheets[1].isChart);
  EXPECT_EQ(file.sheets[2].name, "Quillhour");
  EXPECT_EQ(file.activeTab, 0);
  EXPECT_EQ(file.chartReferences,
            (std::vector<std::string>{"Quillhour!$A$1", "Quillhour!$J$11:$J$12",
                                      "Quillhour!$K$11:$K$12"}));
}

}  // namespace
}  // namespace qh::sim
