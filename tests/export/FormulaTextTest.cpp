#include "tests/export/ExportHostTest.h"

namespace qh::testing {
namespace {

using sim::CellValue;

CellValue quoted(const std::string& text) {
  CellValue v = CellValue::ofText(text);
  v.quotePrefix = true;
  return v;
}

// Text a user typed into a Time must reach the workbook as text, never run as a formula.
class FormulaText : public ExportHostTest {};

TEST_F(FormulaText, SubjectTagAndBodyThatLookLikeFormulasStayText) {
  auto time = addTime("=HYPERLINK(\"http://evil.example\",\"Click\")",
                      Date::fromParts(2026, 12, 1, 9, 0, 0), "+cmd|' /C calc'!A0");
  time->seedValue("Body", "@SUM(A1:A9)");
  addTime("-2+3", Date::fromParts(2026, 12, 2, 9, 0, 0), "-");
  start();
  exportWith({"CheckNonTaggedItems", "CheckDescription"});
  EXPECT_EQ(cell(4, 4), quoted("=HYPERLINK(\"http://evil.example\",\"Click\")"));
  EXPECT_EQ(cell(4, 6), quoted("+cmd|' /C calc'!A0"));
  EXPECT_EQ(cell(4, 7), quoted("@SUM(A1:A9)"));
  EXPECT_EQ(cell(5, 4), quoted("-2+3"));
  EXPECT_EQ(cell(5, 6), quoted("-"));
}

TEST_F(FormulaText, OtherTextIsWrittenAsItIs) {
  auto time = addTime("Review = done", Date::fromParts(2026, 12, 1, 9, 0, 0), "Project+");
  time->seedValue("Body", " =not a formula");
  start();
  exportWith({"CheckNonTaggedItems", "CheckDescription"});
  EXPECT_EQ(cell(4, 4), CellValue::ofText("Review = done"));
  EXPECT_EQ(cell(4, 6), CellValue::ofText("Project+"));
  EXPECT_EQ(cell(4, 7), CellValue::ofText(" =not a formula"));
}

}  // namespace
}  // namespace qh::testing
