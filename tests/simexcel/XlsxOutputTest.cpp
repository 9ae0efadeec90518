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
  EXPECT_EQ(pivot.values.at("A3"), "Tag");
  EXPECT_EQ(pivot.values.at("B3"), "Sum of Time");
  EXPECT_EQ(pivot.values.at("A4"), "Internal");
  EXPECT_EQ(pivot.values.at("B4"), "0.5");
  EXPECT_EQ(pivot.values.at("A5"), "Project");
  EXPECT_EQ(pivot.values.at("B5"), "2.25");
  EXPECT_EQ(pivot.values.at("B6"), "2.75");

  EXPECT_EQ(file.chartTypes, std::vector<std::string>{"c:barChart"});  // columns, in DrawingML
  EXPECT_EQ(file.chartReferences,
            (std::vector<std::string>{"'Pivot Table'!$A$4:$A$5", "'Pivot Table'!$B$4:$B$5"}));
  EXPECT_EQ(file.chartPivotSources,
            std::vector<std::string>{"[Quillhour1.xlsx]Pivot Table!QuillhourPivot"});

  // The template's look: its fonts, and its number formats on the cells the rows went to.
  EXPECT_EQ(data.looks.at("A1").font, "Arial 14 bold");
  EXPECT_EQ(data.looks.at("F3").font, "Arial 10 bold");
  EXPECT_EQ(data.looks.at("D5").font, "Arial 10");
  EXPECT_NE(data.looks.at("C4").numberFormat.find("ddd"), std::string::npos);
  EXPECT_EQ(data.looks.at("E4").numberFormat, "0.00");
  EXPECT_EQ(data.looks.at("F4").numberFormat, "General");

  // The pivot table itself, with its cache over the rows as the add-in gave them.
  ASSERT_EQ(pivot.pivots.size(), 1u);
  const XlsxPivot& table = pivot.pivots[0];
  EXPECT_EQ(table.name, "QuillhourPivot");
  EXPECT_EQ(table.location, "A3:B6");
  EXPECT_EQ(table.axes, (std::vector<std::string>{"axisPage", "", "", "axisRow"}));
  EXPECT_EQ(table.itemCounts, (std::vector<int>{3, 0, 0, 2}));
  EXPECT_EQ(table.rowItems, 3);  // two tags and the grand total
  EXPECT_EQ(table.dataFields, std::vector<std::string>{"Sum of Time"});
  EXPECT_EQ(table.sourceSheet, "Quillhour");
  EXPECT_EQ(table.sourceRef, "C3:F6");
  EXPECT_EQ(table.fieldNames, (std::vector<std::string>{"Date", "Subject", "Time", "Tag"}));
  EXPECT_EQ(table.recordCount, 3);
  ASSERT_EQ(table.records.size(), 3u);
  EXPECT_EQ(table.records[1],
            (std::vector<std::string>{"2026-11-30T13:00:00", "Mail", "0.5", "Internal"}));
}

// Whatever the rows hold reaches the cache in a form readers accept: tags that differ only in
// letter case are one item (named as first met), in any script; characters XML cannot carry
// are escaped, bytes that are not text replaced.
TEST_F(XlsxOutput, PivotCacheTakesWhateverTheRowsHold) {
  const Date day = Date::fromParts(2026, 12, 1, 9, 0);
  const std::string longSubject(300, 'x');
  const int last = writeRows(*excel, {{day, "bell \x07", 1, "Project"},
                                      {day, "<b>&amp;</b>", 2, "project"},
                                      {day, "Latin-1 \xFC", 0.5, "\xC3\x84rger"},
                                      {day, "_x0041_", 0.25, "\xC3\xA4RGER"},
                                      {day, longSubject, 4, "PROJECT"}});
  buildPivotAndChart(*excel, *book, last);
  const XlsxBook file = handOver();

  const XlsxSheet& data = file.sheet("Quillhour");
  EXPECT_EQ(data.values.at("D6"), "Latin-1 \xEF\xBF\xBD");
  const XlsxPivot& table = file.sheet("Pivot Table").pivots.at(0);
  EXPECT_EQ(table.sharedItems[3], (std::vector<std::string>{"Project", "\xC3\x84rger"}));
  EXPECT_EQ(table.itemCounts[3], 2);
  EXPECT_EQ(table.rowItems, 3);
  ASSERT_EQ(table.records.size(), 5u);
  std::vector<std::string> subjects, tags;
  for (const auto& record : table.records) {
    subjects.push_back(record[1]);
    tags.push_back(record[3]);
  }
  EXPECT_EQ(subjects,
            (std::vector<std::string>{"bell _x0007_", "<b>&amp;</b>", "Latin-1 \xEF\xBF\xBD",
                                      "_x005F_x0041_", longSubject}));
  EXPECT_EQ(tags, (std::vector<std::string>{"Project", "Project", "\xC3\x84rger", "\xC3\x84rger",
                                            "Project"}));
  // What the sheet shows agrees: first the folded tag in its first spelling, then the other.
  const XlsxSheet& pivot = file.sheet("Pivot Table");
  EXPECT_EQ(pivot.values.at("A4"), "Project");
  EXPECT_EQ(pivot.values.at("B4"), "7");
  EXPECT_EQ(pivot.values.at("A5"), "\xC3\x84rger");
  EXPECT_EQ(pivot.values.at("B5"), "0.75");
}

TEST_F(XlsxOutput, PivotTableOfNoRowsHasAnEmptyCache) {
  buildPivotAndChart(*excel, *book, writeRows(*excel, {}));
  const XlsxBook file = handOver();
  const XlsxPivot& table = file.sheet("Pivot Table").pivots.at(0);
  EXPECT_EQ(table.sourceRef, "C3:F3");
  EXPECT_EQ(table.recordCount, 0);
  EXPECT_TRUE(table.records.empty());
  EXPECT_EQ(table.itemCounts, (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(table.rowItems, 1);  // the grand total alone
  EXPECT_EQ(table.location, "A3:B4");
  EXPECT_EQ(file.chartPivotSources.size(), 1u);
}

// Layouts the add-in does not make still give a table that describes what its sheet shows.
TEST_F(XlsxOutput, ColumnFieldsAndSeveralDataFieldsAreDescribed) {
  const int last =
      writeRows(*excel, {{Date::fromParts(2026, 11, 30, 9, 0), "Design", 1.5, "Project"},
                         {Date::fromParts(2026, 12, 1, 9, 0), "Mail", 0.5, "Internal"}});
  Ref<Object> table = book->getObject("PivotCaches")
                          ->call("Add", 1, "'Quillhour'!R3C3:R" + std::to_string(last) + "C6")
                          .toObject()
                          ->call("CreatePivotTable", "", "Wide")
                          .toObject();
  for (auto [field, orientation] : {std::pair{"Tag", 1}, {"Date", 2}, {"Time", 4}, {"Subject", 4}})
    table->getObject("PivotFields", field)->put("Orientation", orientation);
  const XlsxBook file = handOver();
  const XlsxPivot& wide = file.sheets.front().pivots.at(0);
  EXPECT_EQ(wide.axes, (std::vector<std::string>{"axisCol", "", "", "axisRow"}));
  EXPECT_EQ(wide.dataFields, (std::vector<std::string>{"Sum of Time", "Count of Subject"}));
  EXPECT_EQ(wide.rowItems, 3);
  EXPECT_EQ(wide.location, "A3:G7");  // tag, two days and the totals, each summed and counted
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
