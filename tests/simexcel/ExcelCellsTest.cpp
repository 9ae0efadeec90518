// Cells, ranges and columns of the simulated Excel, reached as the add-in reaches them:
// through the application's global members on the active sheet.
#include <gtest/gtest.h>

#include "hosts/sim/excel/ExcelApplication.h"
#include "hosts/sim/excel/ExcelErrors.h"
#include "tests/simexcel/ExcelTestSupport.h"

namespace qh::sim {
namespace {

class ExcelCells : public ::testing::Test {
 protected:
  void SetUp() override { book = excel->getObject("Workbooks")->call("Add").toObject(); }

  void set(int row, int column, Variant v) {
    Args args{row, column, std::move(v)};
    excel->invoke("Cells", CallKind::Put, args);
  }
  Ref<Object> cell(int row, int column) { return excel->getObject("Cells", row, column); }

  Ref<Object> excel = makeExcelApplication({});
  Ref<Object> book;
};

TEST_F(ExcelCells, TextIsReadAsExcelReadsTyping) {
  set(1, 1, "=SUM(B1:B2)");
  set(2, 1, "'0042");
  set(3, 1, "42");
  set(4, 1, "-1.5E3");
  set(5, 1, " 42");
  set(6, 1, "Project");
  set(7, 1, "=");

  EXPECT_TRUE(cell(1, 1)->get("HasFormula").toBool());
  EXPECT_EQ(cell(1, 1)->get("Formula"), Variant("=SUM(B1:B2)"));
  EXPECT_EQ(cell(2, 1)->get("Value"), Variant("0042"));
  EXPECT_EQ(cell(2, 1)->get("PrefixCharacter"), Variant("'"));
  EXPECT_FALSE(cell(2, 1)->get("HasFormula").toBool());
  EXPECT_EQ(cell(3, 1)->get("Value"), Variant(42.0));
  EXPECT_EQ(cell(3, 1)->get("PrefixCharacter"), Variant(""));
  EXPECT_EQ(cell(4, 1)->get("Value"), Variant(-1500.0));
  EXPECT_EQ(cell(5, 1)->get("Value"), Variant(" 42"));
  EXPECT_EQ(cell(6, 1)->get("Value"), Variant("Project"));
  EXPECT_EQ(cell(7, 1)->get("Value"), Variant("="));
}

TEST_F(ExcelCells, ACellTakesAtMost32767UnitsOfTextAndKeepsItsValueOtherwise) {
  set(1, 1, std::string(32767, 'x'));
  set(2, 1, "kept");
  // 16,384 characters beyond the basic plane are 32,768 UTF-16 units.
  std::string pairs;
  for (int i = 0; i < 16384; ++i) pairs += "\xF0\x9F\x98\x80";
  EXPECT_THROW(set(2, 1, pairs), Error);
  EXPECT_THROW(set(2, 1, "'" + std::string(32768, 'x')), Error);

  EXPECT_EQ(cell(1, 1)->get("Value").asString().size(), 32767u);
  EXPECT_EQ(cell(2, 1)->get("Value"), Variant("kept"));
}

TEST_F(ExcelCells, ValuesKeepTheirKindAndEmptyTextClears) {
  const Date start = Date::fromParts(2026, 11, 30, 9, 15);
  set(4, 3, start);
  set(4, 5, std::int16_t{45});
  set(4, 6, true);
  set(4, 4, "Meeting");
  set(4, 4, "");

  EXPECT_EQ(cell(4, 3)->get("Value"), Variant(start));
  EXPECT_EQ(cell(4, 5)->get("Value"), Variant(45.0));  // Excel keeps numbers as doubles
  EXPECT_EQ(cell(4, 6)->get("Value"), Variant(true));
  EXPECT_TRUE(cell(4, 4)->get("Value").isEmpty());
  // The default member of a cell is its value, both ways.
  cell(5, 5)->put("", 0.75);
  EXPECT_EQ(cell(5, 5)->get(""), Variant(0.75));
}

TEST_F(ExcelCells, RangesAddressCellsRelativeToTheirCorner) {
  Ref<Object> block = book->getObject("ActiveSheet")->getObject("Range", "B2:D4");
  EXPECT_EQ(block->getObject("Cells", 2, 2)->get("Address"), Variant("$C$3"));
  EXPECT_EQ(block->getObject("", 1, 3)->get("Address"), Variant("$D$2"));
  EXPECT_EQ(excel->getObject("Cells", 3, "G")->get("Address"), Variant("$G$3"));
  EXPECT_EQ(excel->getObject("Columns", "G:G")->get("Address"), Variant("$G:$G"));

  block->put("Value", "x");
  EXPECT_EQ(cell(4, 4)->get("Value"), Variant("x"));
  EXPECT_TRUE(cell(5, 4)->get("Value").isEmpty());
}

TEST_F(ExcelCells, RowsAndColumnsOutsideTheSheetFail) {
  for (auto [row, column] : {std::pair{0, 1}, {1048577, 1}, {1, 0}, {1, 16385}}) {
    const Error e = errorOf([&] { cell(row, column); });
    EXPECT_EQ(e.code(), kExcelErrorCode) << row << "," << column;
    EXPECT_EQ(e.description(), "Application-defined or object-defined error");
  }
  EXPECT_NO_THROW(cell(1048576, 16384));
}

TEST_F(ExcelCells, WholeColumnsHideAndShow) {
  Ref<Object> g = excel->getObject("Columns", "G:G")->getObject("EntireColumn");
  EXPECT_FALSE(g->get("Hidden").toBool());
  g->put("Hidden", true);
  EXPECT_EQ(excel->getObject("Columns", "G")->get("Hidden"), Variant(true));
  EXPECT_TRUE(excel->getObject("Columns", "F:G")->get("Hidden").isNull());  // mixed
  g->put("Hidden", false);
  EXPECT_EQ(excel->getObject("Columns", 7)->get("Hidden"), Variant(false));

  // A single cell is no whole column; its EntireColumn is.
  const Error e = errorOf([&] { cell(3, 7)->put("Hidden", true); });
  EXPECT_EQ(e.description(), "Unable to set the Hidden property of the Range class");
  cell(3, 7)->getObject("EntireColumn")->put("Hidden", true);
  EXPECT_TRUE(excel->getObject("Columns", "G:G")->get("Hidden").toBool());
}

TEST_F(ExcelCells, SelectWorksOnlyOnTheActiveSheet) {
  Ref<Object> first = book->getObject("ActiveSheet");
  Ref<Object> second = book->getObject("Worksheets")->call("Add").toObject();
  EXPECT_EQ(book->getObject("ActiveSheet")->get("Name"), second->get("Name"));

  const Error e = errorOf([&] { first->getObject("Cells", 3, 1)->call("Select"); });
  EXPECT_EQ(e.code(), kExcelErrorCode);
  EXPECT_EQ(e.description(), "Select method of Range class failed");
  EXPECT_NO_THROW(second->getObject("Cells", 3, 1)->call("Select"));

  // The global Cells follows the active sheet.
  set(1, 1, "on the second sheet");
  EXPECT_EQ(second->getObject("Cells", 1, 1)->get("Value"), Variant("on the second sheet"));
  EXPECT_TRUE(first->getObject("Cells", 1, 1)->get("Value").isEmpty());
}

}  // namespace
}  // namespace qh::sim
