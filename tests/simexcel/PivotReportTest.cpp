// The pivot computation on small record sets: sums per row item, page filters, item order,
// counting text, and where each value lands in the table.
#include "hosts/sim/excel/PivotReport.h"

#include <gtest/gtest.h>

#include <map>

namespace qh::sim {
namespace {

enum Field { kDate, kSubject, kTime, kTag };

PivotSource times() {
  PivotSource s;
  s.fieldNames = {"Date", "Subject", "Time", "Tag"};
  auto rec = [&](double day, const char* subject, double hours, const char* tag) {
    s.records.push_back({CellValue::ofDate(day), CellValue::ofText(subject),
                         CellValue::ofNumber(hours), tag ? CellValue::ofText(tag) : CellValue{}});
  };
  rec(46000, "Standup", 0.25, "internal");
  rec(46000, "Design", 1.5, "Project");
  rec(46001, "Review", 0.75, "Project");
  rec(46001, "Mail", 0.5, nullptr);
  rec(46002, "Planning", 2, "Internal");  // same item as "internal": names ignore case
  rec(46002, "Build", 3, "Beta");
  return s;
}

// The table as "row,col" -> shown text, for readable comparisons.
std::map<std::string, std::string> shown(const PivotGrid& grid) {
  std::map<std::string, std::string> out;
  for (const auto& c : grid.cells)
    out[std::to_string(c.row) + "," + std::to_string(c.column)] = c.value.displayText();
  for (const auto& c : grid.pageCells)
    out[std::to_string(c.row) + "," + std::to_string(c.column)] = c.value.displayText();
  return out;
}

TEST(PivotReport, SumsTheDataFieldPerRowItemWithAGrandTotal) {
  PivotSpec layout;
  layout.rowFields = {kTag};
  layout.dataFields = {kTime};
  layout.pageFields = {kDate};
  const PivotGrid grid = PivotReport::build(times(), layout);

  const std::map<std::string, std::string> expected{
      {"-2,0", "Date"},       {"-2,1", "(All)"}, {"0,0", "Tag"},      {"0,1", "Sum of Time"},
      {"1,0", "Beta"},        {"1,1", "3"},      {"2,0", "internal"}, {"2,1", "2.25"},
      {"3,0", "Project"},     {"3,1", "2.25"},   {"4,0", "(blank)"},  {"4,1", "0.5"},
      {"5,0", "Grand Total"}, {"5,1", "8"}};
  EXPECT_EQ(shown(grid), expected);
  EXPECT_EQ(grid.rowCount, 6);
  EXPECT_EQ(grid.columnCount, 2);
  EXPECT_EQ(grid.pageRowCount, 1);
  EXPECT_EQ(grid.firstItemRow, 1);
  EXPECT_EQ(grid.itemCount, 4);
  ASSERT_EQ(grid.series.size(), 1u);
  EXPECT_EQ(grid.series[0].name, "Sum of Time");
  EXPECT_EQ(grid.series[0].column, 1);
}

TEST(PivotReport, PageSelectionFiltersTheRecords) {
  PivotSpec layout;
  layout.rowFields = {kTag};
  layout.dataFields = {kTime};
  layout.pageFields = {kDate};
  const PivotSource source = times();
  layout.pageSelections[kDate] = PivotReport::itemName(source.records[2][kDate]);
  const auto table = shown(PivotReport::build(source, layout));
  EXPECT_EQ(table.at("-2,1"), layout.pageSelections[kDate]);
  EXPECT_EQ(table.at("1,0"), "Project");
  EXPECT_EQ(table.at("1,1"), "0.75");
  EXPECT_EQ(table.at("2,0"), "(blank)");
  EXPECT_EQ(table.at("3,0"), "Grand Total");
  EXPECT_EQ(table.at("3,1"), "1.25");
}

TEST(PivotReport, TextDataIsCountedAndSeveralDataFieldsGetColumns) {
  PivotSpec layout;
  layout.rowFields = {kDate};
  layout.dataFields = {kTime, kTag};
  const PivotSource source = times();
  EXPECT_EQ(PivotReport::dataCaption(source, kTime), "Sum of Time");
  EXPECT_EQ(PivotReport::dataCaption(source, kTag), "Count of Tag");
  const auto table = shown(PivotReport::build(source, layout));
  EXPECT_EQ(table.at("0,0"), "Date");  // one heading row: no caption above it
  EXPECT_EQ(table.at("0,1"), "Sum of Time");
  EXPECT_EQ(table.at("0,2"), "Count of Tag");
  EXPECT_EQ(table.at("1,1"), "1.75");  // the first day, dates sorted by value
  EXPECT_EQ(table.at("2,2"), "1");     // the blank tag is not counted
  EXPECT_EQ(table.at("4,2"), "5");
}

TEST(PivotReport, ColumnFieldSpreadsItemsAcross) {
  PivotSpec layout;
  layout.rowFields = {kTag};
  layout.columnFields = {kDate};
  layout.dataFields = {kTime};
  const PivotGrid grid = PivotReport::build(times(), layout);
  const auto table = shown(grid);
  EXPECT_EQ(table.at("0,1"), "Date");
  EXPECT_EQ(table.at("1,4"), "Grand Total");
  EXPECT_EQ(table.at("2,3"), "3");    // Beta on the third day
  EXPECT_EQ(table.count("2,1"), 0u);  // nothing for Beta on the first day
  EXPECT_EQ(table.at("6,4"), "8");
  EXPECT_EQ(grid.series.size(), 3u);  // one per day, the total left out
}

TEST(PivotReport, NoFieldsAndNoRecordsGiveAnEmptyTable) {
  PivotSource empty;
  empty.fieldNames = {"Date", "Subject", "Time", "Tag"};
  EXPECT_TRUE(PivotReport::build(empty, {}).cells.empty());

  PivotSpec layout;
  layout.rowFields = {kTag};
  layout.dataFields = {kTime};
  const PivotGrid grid = PivotReport::build(empty, layout);
  EXPECT_EQ(grid.itemCount, 0);
  const auto table = shown(grid);
  EXPECT_EQ(table.at("1,0"), "Grand Total");
  EXPECT_EQ(table.count("1,1"), 0u);
}

}  // namespace
}  // namespace qh::sim
