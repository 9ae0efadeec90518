// What the user gets: the workbook the export hands over, read back from the .xlsx file.
#include "tests/export/ExportHostTest.h"
#include "tests/simexcel/XlsxReader.h"

namespace qh::testing {
namespace {

class ExportXlsx : public ExportHostTest {};

TEST_F(ExportXlsx, TheWrittenWorkbookHoldsTheRowsThePivotTableAndTheChart) {
  setTagList("Project; Support");
  auto design = addTime("Design", Date::fromParts(2026, 11, 30, 9, 0, 0), "Project", 90);
  design->seedValue("Body", "Screens");
  addTime("=1+1", Date::fromParts(2026, 12, 1, 13, 0, 0), "Support", 30);
  addTime("Review", Date::fromParts(2026, 12, 2, 8, 0, 0), "Project", 45);
  start();
  exportWith({"CheckDescription", "CheckCreateDiagram"});

  ASSERT_EQ(excelOutput().writtenFiles().size(), 1u);
  const sim::XlsxBook file = sim::readXlsx(excelOutput().writtenFiles()[0]);
  ASSERT_EQ(file.sheets.size(), 3u);
  EXPECT_EQ(file.sheets[file.activeTab].name, "Quillhour");

  const sim::XlsxSheet& data = file.sheet("Quillhour");
  EXPECT_EQ(data.values.at("C3"), "Date");
  EXPECT_DOUBLE_EQ(std::stod(data.values.at("C4")),
                   Date::fromParts(2026, 11, 30, 9, 0, 0).serial());
  EXPECT_EQ(data.values.at("D4"), "Design");
  EXPECT_EQ(data.values.at("E4"), "1.5");
  EXPECT_EQ(data.values.at("F4"), "Project");
  EXPECT_EQ(data.values.at("G4"), "Screens");
  EXPECT_EQ(data.values.at("D5"), "=1+1") << "text, not a formula";
  EXPECT_TRUE(data.formulas.empty());
  EXPECT_EQ(data.values.at("E6"), "0.75");
  EXPECT_EQ(data.values.count("C7"), 0u);
  EXPECT_EQ(data.hiddenColumns.count(7), 0u) << "the description column is shown";

  const sim::XlsxSheet& pivot = file.sheet("Pivot Table");
  std::map<std::string, std::string> totals;
  for (int row = 1; row <= 10; ++row) {
    const std::string number = std::to_string(row);
    const std::string a = std::string(1, 'A').append(number);
    const std::string b = std::string(1, 'B').append(number);
    if (pivot.values.count(a) && pivot.values.count(b))
      totals[pivot.values.at(a)] = pivot.values.at(b);
  }
  EXPECT_EQ(totals["Project"], "2.25");
  EXPECT_EQ(totals["Support"], "0.5");
  EXPECT_EQ(totals["Grand Total"], "2.75");

  EXPECT_TRUE(file.sheet("Diagram").isChart);
  EXPECT_FALSE(file.chartReferences.empty());
}

}  // namespace
}  // namespace qh::testing
